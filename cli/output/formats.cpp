#include "cli/output/formats.h"

#include "cli/output/json_string.h"
#include "runtime/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t NumberChars = 32;
constexpr std::string_view RealFor0Places = ".0";
// The room a cell takes besides its name and its text: quotes, separators and any number.
constexpr std::size_t CellRoom = NumberChars + 8;
constexpr std::size_t NumbersItemRoom = 12; // "-2147483648,"
constexpr std::size_t RecordRoom = 4;       // braces and the line feed

char* Put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// Every field's value has at most four digits: those are written without the general routine.
constexpr std::int64_t FewDigits = 10000;
constexpr std::int64_t DecimalBase = 10;

char* PutNumber(char* at, std::int64_t number) {
    if (number < 0 || number >= FewDigits) {
        return std::to_chars(at, at + NumberChars, number).ptr;
    }
    int digits = number >= 1000 ? 4 : number >= 100 ? 3 : number >= 10 ? 2 : 1;
    for (int i = digits - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + number % DecimalBase);
        number /= DecimalBase;
    }
    return at + digits;
}

char* PutHalfword(char* at, std::uint16_t halfword) {
    for (int shift = 12; shift >= 0; shift -= 4) {
        *at++ = UpperHexDigits[(halfword >> shift) & 0xF];
    }
    return at;
}

char* PutNumbers(char* at, std::span<const std::int32_t> numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            *at++ = ',';
        }
        at = PutNumber(at, numbers[i]);
    }
    return at;
}

// The shortest text of `real` to `places` decimals that keeps one digit after the point.
char* PutDecimal(char* at, double real, int places) {
    // No "-0.0": a value that rounds to zero is zero.
    if (std::round(real * std::pow(10.0, places)) == 0) {
        real = 0;
    }
    char* end = std::to_chars(at, at + NumberChars, real, std::chars_format::fixed, places).ptr;
    std::string_view text(at, static_cast<std::size_t>(end - at));
    std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        return Put(end, RealFor0Places);
    }
    return at + std::max(text.find_last_not_of('0'), point + 1) + 1;
}

void Quoted(char*& at, bool quoted) {
    if (quoted) {
        *at++ = '"';
    }
}

// Pairs quote text with the same escapes as JSON, so a value with blanks or quotes reads back
// whole.
char* PutValue(char* at, Format format, const Cell& cell) {
    bool json = format == Format::Json;
    switch (cell.kind) {
    case CellKind::Number:
        return PutNumber(at, cell.number);
    case CellKind::Word:
        return json ? PutJsonString(at, cell.text) : Put(at, cell.text);
    case CellKind::Quoted:
        return format == Format::Table ? Put(at, cell.text) : PutJsonString(at, cell.text);
    case CellKind::Decimal:
        return PutDecimal(at, cell.real, static_cast<int>(cell.number));
    case CellKind::NumberText:
        return Put(at, cell.text);
    case CellKind::Null:
        return json ? Put(at, "null") : at;
    case CellKind::Numbers:
        at = Put(at, json ? "[" : "");
        at = PutNumbers(at, cell.numbers);
        return Put(at, json ? "]" : "");
    case CellKind::Halfword:
        Quoted(at, json);
        at = PutHalfword(at, static_cast<std::uint16_t>(cell.number));
        Quoted(at, json);
        return at;
    case CellKind::Absent:
        break;
    }
    return at;
}

// The names are the program's own, which need no escapes.
char* PutCellName(char* at, bool json, bool first, std::string_view name) {
    if (!first) {
        *at++ = json ? ',' : ' ';
    }
    Quoted(at, json);
    at = Put(at, name);
    Quoted(at, json);
    *at++ = json ? ':' : '=';
    return at;
}

// Pairs and JSON objects show the same cells, those with a value that are not the table's own.
char* PutShownCells(char* at, Format format, const Record& record) {
    bool json = format == Format::Json;
    at = Put(at, json ? "{" : "");
    bool first = true;
    for (const Cell& cell : std::span(record.cells).first(record.count)) {
        if (cell.kind == CellKind::Absent || cell.tableOnly ||
            (cell.kind == CellKind::Null && !json)) {
            continue;
        }
        at = PutCellName(at, json, first, cell.name);
        first = false;
        at = PutValue(at, format, cell);
    }
    return Put(at, json ? "}" : "");
}

char* PutRow(char* at, const Record& record) {
    for (std::size_t i = 0; i < record.count; ++i) {
        if (i > 0) {
            *at++ = '\t';
        }
        at = PutValue(at, Format::Table, record.cells[i]);
    }
    return at;
}

// At least what any format writes of the record.
std::size_t Room(const Record& record) {
    std::size_t room = RecordRoom;
    for (const Cell& cell : std::span(record.cells).first(record.count)) {
        room += cell.name.size() + CellRoom + cell.text.size() * JsonGrowth +
                cell.numbers.size() * NumbersItemRoom;
    }
    return room;
}

} // namespace

// Room is made once and written through one pointer: this runs for every answer.
void WriteRecord(std::string& out, Format format, const Record& record) {
    std::size_t start = out.size();
    out.resize(start + Room(record));
    char* at = out.data() + start;
    at = format == Format::Table ? PutRow(at, record) : PutShownCells(at, format, record);
    *at++ = '\n';
    out.resize(static_cast<std::size_t>(at - out.data()));
}

void WriteNumbers(std::string& out, Format format, std::span<const NamedNumber> cells) {
    bool json = format == Format::Json;
    std::size_t room = RecordRoom;
    for (const NamedNumber& cell : cells) {
        room += cell.name.size() + CellRoom;
    }
    std::size_t start = out.size();
    out.resize(start + room);
    char* at = Put(out.data() + start, json ? "{" : "");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        at = PutCellName(at, json, i == 0, cells[i].name);
        at = PutNumber(at, cells[i].number);
    }
    at = Put(at, json ? "}\n" : "\n");
    out.resize(static_cast<std::size_t>(at - out.data()));
}

void WriteHeader(std::string& out, const Record& record) {
    for (std::size_t i = 0; i < record.count; ++i) {
        out += i > 0 ? "\t" : "";
        out += record.cells[i].name;
    }
    out += '\n';
}

void AppendDecimal(std::string& out, double real, int places) {
    char digits[NumberChars + RealFor0Places.size()];
    out.append(digits, PutDecimal(digits, real, places));
}

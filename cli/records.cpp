#include "cli/records.h"

#include "cli/json_string.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr std::size_t NumberChars = 32;

void AppendNumber(std::string& out, std::int64_t number) {
    char digits[NumberChars];
    auto [end, error] = std::to_chars(digits, digits + NumberChars, number);
    out.append(digits, end);
}

// Pairs quote with the same escapes as JSON, so a value with blanks or quotes reads back whole.
void AppendQuoted(std::string& out, std::string_view text) {
    AppendJsonString(out, text);
}

void AppendHalfword(std::string& out, std::uint16_t halfword) {
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += HexDigits[(halfword >> shift) & 0xF];
    }
}

void AppendNumbers(std::string& out, std::span<const std::int32_t> numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        AppendNumber(out, numbers[i]);
    }
}

void AppendValue(std::string& out, Format format, const Cell& cell) {
    switch (cell.kind) {
    case CellKind::Number:
        AppendNumber(out, cell.number);
        break;
    case CellKind::Word:
        format == Format::Json ? AppendJsonString(out, cell.text) : void(out += cell.text);
        break;
    case CellKind::Quoted:
        format == Format::Table ? void(out += cell.text) : AppendQuoted(out, cell.text);
        break;
    case CellKind::Decimal:
        AppendDecimal(out, cell.real, static_cast<int>(cell.number));
        break;
    case CellKind::NumberText:
        out += cell.text;
        break;
    case CellKind::Null:
        out += format == Format::Json ? "null" : "";
        break;
    case CellKind::Numbers:
        out += format == Format::Json ? "[" : "";
        AppendNumbers(out, cell.numbers);
        out += format == Format::Json ? "]" : "";
        break;
    case CellKind::Halfword:
        out += format == Format::Json ? "\"" : "";
        AppendHalfword(out, static_cast<std::uint16_t>(cell.number));
        out += format == Format::Json ? "\"" : "";
        break;
    case CellKind::Absent:
        break;
    }
}

Cell& Added(Record& record, const char* name, CellKind kind) {
    Cell& cell = record.cells[record.count++];
    cell = Cell{};
    cell.name = name;
    cell.kind = kind;
    return cell;
}

// Pairs and JSON objects show the same cells, those with a value that are not the table's own.
void WriteShownCells(std::string& out, Format format, const Record& record) {
    bool json = format == Format::Json;
    out += json ? "{" : "";
    bool first = true;
    for (const Cell& cell : std::span(record.cells).first(record.count)) {
        if (cell.kind == CellKind::Absent || cell.tableOnly ||
            (cell.kind == CellKind::Null && !json)) {
            continue;
        }
        if (!first) {
            out += json ? ',' : ' ';
        }
        first = false;
        json ? AppendJsonString(out, cell.name) : void(out += cell.name);
        out += json ? ':' : '=';
        AppendValue(out, format, cell);
    }
    out += json ? "}" : "";
}

void WriteRow(std::string& out, const Record& record) {
    for (std::size_t i = 0; i < record.count; ++i) {
        if (i > 0) {
            out += '\t';
        }
        AppendValue(out, Format::Table, record.cells[i]);
    }
}

} // namespace

void AddNumber(Record& record, const char* name, std::int64_t number) {
    Added(record, name, CellKind::Number).number = number;
}

void AddWord(Record& record, const char* name, std::string_view word) {
    Added(record, name, CellKind::Word).text = word;
}

void AddQuoted(Record& record, const char* name, std::string_view text) {
    Added(record, name, CellKind::Quoted).text = text;
}

void AddDecimal(Record& record, const char* name, double real, int places) {
    Cell& cell = Added(record, name, CellKind::Decimal);
    cell.real = real;
    cell.number = places;
}

void AddNumberText(Record& record, const char* name, std::string_view digits) {
    Added(record, name, CellKind::NumberText).text = digits;
}

void AddNull(Record& record, const char* name) {
    Added(record, name, CellKind::Null);
}

void AddNumbers(Record& record, const char* name, std::span<const std::int32_t> numbers) {
    Added(record, name, CellKind::Numbers).numbers = numbers;
}

void AddHalfword(Record& record, const char* name, std::uint16_t halfword) {
    Added(record, name, CellKind::Halfword).number = halfword;
}

void AddAbsent(Record& record, const char* name) {
    Added(record, name, CellKind::Absent);
}

void MarkTableOnly(Record& record) {
    record.cells[record.count - 1].tableOnly = true;
}

void WriteRecord(std::string& out, Format format, const Record& record) {
    format == Format::Table ? WriteRow(out, record) : WriteShownCells(out, format, record);
    out += '\n';
}

void WriteHeader(std::string& out, const Record& record) {
    for (std::size_t i = 0; i < record.count; ++i) {
        out += i > 0 ? "\t" : "";
        out += record.cells[i].name;
    }
    out += '\n';
}

void AppendDecimal(std::string& out, double real, int places) {
    // No "-0.0": a value that rounds to zero is zero.
    double scale = std::pow(10.0, places);
    if (std::round(real * scale) == 0) {
        real = 0;
    }
    char digits[NumberChars];
    auto [end, error] =
        std::to_chars(digits, digits + NumberChars, real, std::chars_format::fixed, places);
    std::string_view text(digits, static_cast<std::size_t>(end - digits));
    std::size_t point = text.find('.');
    if (point != std::string_view::npos) {
        std::size_t last = text.find_last_not_of('0');
        text = text.substr(0, std::max(last, point + 1) + 1);
    } else {
        out.append(text);
        out += ".0";
        return;
    }
    out.append(text);
}

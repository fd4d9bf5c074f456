#include "cli/output/record.h"

namespace {

Cell& Added(Record& record, std::string_view name, CellKind kind) {
    Cell& cell = record.cells[record.count++];
    cell = Cell{name, kind, false, 0, 0, {}, {}};
    return cell;
}

} // namespace

void AddNumber(Record& record, std::string_view name, std::int64_t number) {
    Added(record, name, CellKind::Number).number = number;
}

void AddWord(Record& record, std::string_view name, std::string_view word) {
    Added(record, name, CellKind::Word).text = word;
}

void AddQuoted(Record& record, std::string_view name, std::string_view text) {
    Added(record, name, CellKind::Quoted).text = text;
}

void AddDecimal(Record& record, std::string_view name, double real, int places) {
    Cell& cell = Added(record, name, CellKind::Decimal);
    cell.real = real;
    cell.number = places;
}

void AddNumberText(Record& record, std::string_view name, std::string_view digits) {
    Added(record, name, CellKind::NumberText).text = digits;
}

void AddNull(Record& record, std::string_view name) {
    Added(record, name, CellKind::Null);
}

void AddNumbers(Record& record, std::string_view name, std::span<const std::int32_t> numbers) {
    Added(record, name, CellKind::Numbers).numbers = numbers;
}

void AddHalfword(Record& record, std::string_view name, std::uint16_t halfword) {
    Added(record, name, CellKind::Halfword).number = halfword;
}

void AddAbsent(Record& record, std::string_view name) {
    Added(record, name, CellKind::Absent);
}

void MarkTableOnly(Record& record) {
    record.cells[record.count - 1].tableOnly = true;
}

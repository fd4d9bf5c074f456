#include "cli/output/answer_rows.h"

#include <array>

namespace {

constexpr const char* LineName = "line";
constexpr const char* EntryName = "entry";
constexpr const char* InputName = "input";
constexpr const char* ErrorName = "error";
constexpr const char* GroupHalfwordName = "groupHalfword";

constexpr std::array<const char*, MatrixParameters> ValueNames = {"PAValue", "PBValue", "PCValue",
                                                                  "PDValue"};
// 1/256 is 0.00390625: eight places show every 8.8 value exactly.
constexpr int FixedPointPlaces = 8;

void AddGroupHalfword(Record& record, const EntryAnswer& answer) {
    if (!answer.memoryOrder) {
        return;
    }
    answer.groupHalfword ? AddHalfword(record, GroupHalfwordName, *answer.groupHalfword)
                         : AddAbsent(record, GroupHalfwordName);
}

} // namespace

void AddFieldCells(Record& record, const OamFields* fields) {
    for (const FieldLayout& field : EntryFields) {
        if (fields && FlagSelects(field.place, fields->rotScale)) {
            AddNumber(record, field.name, fields->*field.value);
        } else {
            AddAbsent(record, field.name);
        }
    }
}

void AddMatrixCells(Record& record, const FixedMatrix& matrix) {
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        AddHalfword(record, ParameterNames[i], static_cast<std::uint16_t>(matrix[i]));
    }
    for (std::size_t i = 0; i < MatrixParameters; ++i) {
        AddDecimal(record, ValueNames[i], FromFixedPoint(matrix[i]), FixedPointPlaces);
    }
}

void WriteFieldsOnly(std::string& out, Format format, const OamFields& fields) {
    std::array<NamedNumber, EntryFields.size()> cells;
    std::size_t count = 0;
    for (const FieldLayout& field : EntryFields) {
        if (FlagSelects(field.place, fields.rotScale)) {
            cells[count++] = {field.name, fields.*field.value};
        }
    }
    WriteNumbers(out, format, std::span(cells).first(count));
}

Record EntryRecord(const EntryAnswer& answer) {
    Record record;
    AddNumber(record, LineName, answer.line);
    MarkTableOnly(record);
    answer.entry.empty() ? AddAbsent(record, EntryName) : AddWord(record, EntryName, answer.entry);
    MarkTableOnly(record);
    AddFieldCells(record, answer.fields);
    AddGroupHalfword(record, answer);
    answer.error.empty() ? AddAbsent(record, ErrorName) : AddWord(record, ErrorName, answer.error);
    MarkTableOnly(record);
    return record;
}

Record FailedEntryRecord(const EntryAnswer& answer, Format format) {
    if (format == Format::Table) {
        return EntryRecord(answer);
    }
    Record record;
    AddNumber(record, LineName, answer.line);
    if (format == Format::Json) {
        AddWord(record, InputName, answer.input);
    }
    AddQuoted(record, ErrorName, answer.error);
    return record;
}

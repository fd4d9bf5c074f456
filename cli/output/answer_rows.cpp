#include "cli/output/answer_rows.h"

#include "cli/input/field_names.h"

#include <array>

namespace {

constexpr const char* LineName = "line";
constexpr const char* EntryName = "entry";
constexpr const char* InputName = "input";
constexpr const char* ErrorName = "error";
constexpr const char* GroupHalfwordName = "groupHalfword";

void AddGroupHalfword(Record& record, const EntryAnswer& answer) {
    if (!answer.memoryOrder) {
        return;
    }
    answer.groupHalfword ? AddHalfword(record, GroupHalfwordName, *answer.groupHalfword)
                         : AddAbsent(record, GroupHalfwordName);
}

} // namespace

void AddFieldCells(Record& record, const OamFields* fields) {
    for (const FieldEntry& field : FieldTable()) {
        if (fields && FlagSelects(field, fields->rotScale)) {
            AddNumber(record, field.name, fields->*field.value);
        } else {
            AddAbsent(record, field.name);
        }
    }
}

void WriteFieldsOnly(std::string& out, Format format, const OamFields& fields) {
    std::array<NamedNumber, FieldCount> cells;
    std::size_t count = 0;
    for (const FieldEntry& field : FieldTable()) {
        if (FlagSelects(field, fields.rotScale)) {
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

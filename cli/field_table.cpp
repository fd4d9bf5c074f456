#include "cli/field_table.h"

const FieldEntry* FindField(std::string_view name) {
    for (const FieldEntry& field : EntryFields) {
        // The first letter sorts out most fields before a name is measured: this runs for every
        // word of every job.
        if (!name.empty() && name.front() == field.name[0] && name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

std::string RangeText(const FieldEntry& field) {
    return "0 to " + std::to_string(FieldMaximum(field));
}

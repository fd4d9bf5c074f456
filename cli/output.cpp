#include "cli/output.h"

#include "cli/field_table.h"

#include <nlohmann/json.hpp>

Text FieldsText(const OamFields& fields) {
    Text text;
    for (const FieldEntry& field : FieldTable()) {
        if (FlagSelects(field, fields.rotScale)) {
            text += (text.empty() ? "" : " ") + std::string(field.name) + "=" +
                    std::to_string(fields.*field.value);
        }
    }
    return text;
}

Text FieldsJson(const OamFields& fields) {
    // Ordered, so the keys come in the same order as the name=value pairs.
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const FieldEntry& field : FieldTable()) {
        if (FlagSelects(field, fields.rotScale)) {
            object[field.name] = fields.*field.value;
        }
    }
    return object.dump();
}

Text EntryJson(TextRef entry) {
    return nlohmann::json(std::string(entry.chars)).dump();
}

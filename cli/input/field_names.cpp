#include "cli/input/field_names.h"

#include <array>
#include <cstdint>

namespace {

// Every field is known by its first letter and its length together, so a name is found with one
// look-up and one comparison: this runs for every word of every job. A letter is taken by its low
// five bits (either case), a length up to the longest name's.
constexpr std::size_t LetterKeys = 32;
constexpr std::size_t LengthKeys = 16;
constexpr std::int8_t NoField = -1;

constexpr std::size_t KeyOf(std::string_view name) {
    return (static_cast<unsigned char>(name.front()) % LetterKeys) * LengthKeys + name.size();
}

constexpr std::array<std::int8_t, LetterKeys* LengthKeys> FieldsByKey = [] {
    std::array<std::int8_t, LetterKeys * LengthKeys> fields{};
    fields.fill(NoField);
    for (std::size_t i = 0; i < EntryFields.size(); ++i) {
        fields[KeyOf(EntryFields[i].name)] = static_cast<std::int8_t>(i);
    }
    return fields;
}();

constexpr bool EveryFieldHasItsOwnKey() {
    for (std::size_t i = 0; i < EntryFields.size(); ++i) {
        if (EntryFields[i].name.size() >= LengthKeys ||
            FieldsByKey[KeyOf(EntryFields[i].name)] != static_cast<std::int8_t>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(EveryFieldHasItsOwnKey());

} // namespace

const FieldLayout* FindField(std::string_view name) {
    if (name.empty() || name.size() >= LengthKeys) {
        return nullptr;
    }
    std::int8_t index = FieldsByKey[KeyOf(name)];
    if (index == NoField) {
        return nullptr;
    }
    // The same length is known: a plain loop, where a library comparison costs a call.
    const FieldLayout& field = EntryFields[static_cast<std::size_t>(index)];
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != field.name[i]) {
            return nullptr;
        }
    }
    return &field;
}

std::string RangeText(const FieldLayout& field) {
    return "0 to " + std::to_string(FieldMaximum(field));
}

#include "cli/input/field_names.h"

#include <charconv>
#include <cstdint>

namespace {

// Every field is known by each of its names' first letter and length together, so a name is found
// with one look-up and one comparison: this runs for every word of every job. A letter is taken by
// its low five bits (either case), a length up to the longest name's.
constexpr std::size_t LetterKeys = 32;
constexpr std::size_t LengthKeys = 16;
constexpr std::int8_t NoField = -1;
constexpr char CaseBit = 0x20;

constexpr std::size_t ShortNameCount = [] {
    std::size_t count = 0;
    for (const ShortNames& field : FieldShortNames) {
        for (const std::string_view& name : field.names) {
            count += name.empty() ? 0 : 1;
        }
    }
    return count;
}();

// A field's name and where the field is among the entry's fields.
struct NamedField {
    std::string_view name;
    std::int8_t index;
};

constexpr std::array<NamedField, EntryFields.size() + ShortNameCount> NamedFields = [] {
    std::array<NamedField, EntryFields.size() + ShortNameCount> named{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < EntryFields.size(); ++i) {
        named[count++] = {EntryFields[i].name, static_cast<std::int8_t>(i)};
    }
    for (const ShortNames& field : FieldShortNames) {
        for (const std::string_view& name : field.names) {
            if (!name.empty()) {
                named[count++] = {
                    name, static_cast<std::int8_t>(&LayoutOf(field.value) - EntryFields.data())};
            }
        }
    }
    return named;
}();

constexpr std::array<std::string_view, NamedFields.size() + 1> AllNames = [] {
    std::array<std::string_view, NamedFields.size() + 1> names{};
    for (std::size_t i = 0; i < NamedFields.size(); ++i) {
        names[i] = NamedFields[i].name;
    }
    names.back() = SizeName;
    return names;
}();

constexpr std::size_t KeyOf(std::string_view name) {
    return (static_cast<unsigned char>(name.front()) % LetterKeys) * LengthKeys + name.size();
}

constexpr std::array<std::int8_t, LetterKeys* LengthKeys> FieldsByKey = [] {
    std::array<std::int8_t, LetterKeys * LengthKeys> fields{};
    fields.fill(NoField);
    for (std::size_t i = 0; i < NamedFields.size(); ++i) {
        fields[KeyOf(NamedFields[i].name)] = static_cast<std::int8_t>(i);
    }
    return fields;
}();

constexpr bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// With a name of letters only, setting the case bit of the given character matches the same
// letter in either case and nothing else.
constexpr bool EveryNameHasItsOwnKey() {
    for (std::size_t i = 0; i < NamedFields.size(); ++i) {
        std::string_view name = NamedFields[i].name;
        if (name.empty() || name.size() >= LengthKeys ||
            FieldsByKey[KeyOf(name)] != static_cast<std::int8_t>(i)) {
            return false;
        }
        for (char c : name) {
            if (!IsLetter(c)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(EveryNameHasItsOwnKey());

// The same letters in any case; `known` is letters only.
constexpr bool SameLetters(std::string_view given, std::string_view known) {
    if (given.size() != known.size()) {
        return false;
    }
    // A plain loop, where a library comparison costs a call.
    for (std::size_t i = 0; i < given.size(); ++i) {
        if ((given[i] | CaseBit) != (known[i] | CaseBit)) {
            return false;
        }
    }
    return true;
}

bool IsHexPrefix(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] | CaseBit) == 'x';
}

} // namespace

const FieldLayout* FindField(std::string_view name) {
    if (name.empty() || name.size() >= LengthKeys) {
        return nullptr;
    }
    std::int8_t index = FieldsByKey[KeyOf(name)];
    if (index == NoField) {
        return nullptr;
    }
    const NamedField& named = NamedFields[static_cast<std::size_t>(index)];
    return SameLetters(name, named.name) ? &EntryFields[static_cast<std::size_t>(named.index)]
                                         : nullptr;
}

bool IsSizeName(std::string_view name) {
    return SameLetters(name, SizeName);
}

std::span<const std::string_view> EveryFieldName() {
    return AllNames;
}

std::array<std::string_view, 2> ShortNamesOf(const FieldLayout& field) {
    for (const ShortNames& named : FieldShortNames) {
        if (named.value == field.value) {
            return named.names;
        }
    }
    return {};
}

std::optional<std::int32_t> FieldValue(const FieldLayout& field, std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    int base = 10;
    if (IsHexPrefix(text)) {
        text.remove_prefix(2);
        base = 16;
    }
    // from_chars takes a sign of its own: the digits must start at once.
    std::int32_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    if (text.empty() || text.front() == '-' || error != std::errc{} ||
        end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (negative) {
        if (number == 0 || number > -LowestNegative(field)) {
            return std::nullopt;
        }
        return FieldMaximum(field) + 1 - number;
    }
    if (number > FieldMaximum(field)) {
        return std::nullopt;
    }
    return number;
}

std::string RangeText(const FieldLayout& field) {
    return "0 to " + std::to_string(FieldMaximum(field));
}

std::string NegativeText(const FieldLayout& field, std::string_view before) {
    if (LowestNegative(field) == 0) {
        return {};
    }
    return std::string(before) + std::to_string(LowestNegative(field)) + " to -1 " +
           (field.value == &OamFields::xCoordinate ? "left of" : "above") + " the screen";
}

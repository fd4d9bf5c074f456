#include "cli/assignments.h"

#include "cli/field_table.h"
#include "codec/size_names.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

namespace {

struct Assignment {
    std::string name;
    std::string value;
};

// The fields one word sets: its own, or shape and sizeCode for the size.
struct Given {
    std::vector<const FieldEntry*> sets;
    std::string shown; // name=value as given, for messages
};

std::string Shown(const Assignment& assignment) {
    return assignment.name + "=" + assignment.value;
}

// Quotes survive when the words come from a line of input rather than from a shell.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string> Group(std::span<const std::string> words,
                                 std::vector<Assignment>& assignments) {
    for (const std::string& word : words) {
        std::size_t equals = word.find('=');
        if (equals != std::string::npos) {
            assignments.push_back({word.substr(0, equals), word.substr(equals + 1)});
        } else if (assignments.empty()) {
            return "\"" + word + "\": expected name=value";
        } else {
            assignments.back().value += " " + word;
        }
    }
    for (Assignment& assignment : assignments) {
        assignment.value = Unquoted(assignment.value);
    }
    return std::nullopt;
}

// "8  x  8", "8 x 8", "8x8" and "8X8" are the same size.
std::string Squashed(std::string_view size) {
    std::string squashed;
    for (char c : size) {
        if (c != ' ' && c != '\t') {
            squashed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return squashed;
}

std::optional<std::int32_t> SizeItemNamed(std::string_view text) {
    for (std::int32_t item = 0; item < SizeItemCount; ++item) {
        if (Squashed(text) == Squashed(SizeNames[static_cast<std::size_t>(item)])) {
            return item;
        }
    }
    return std::nullopt;
}

std::string SizeChoices() {
    std::string choices;
    for (const char* name : SizeNames) {
        choices += std::string(choices.empty() ? "" : ", ") + "\"" + name + "\"";
    }
    return choices;
}

std::string FieldNames() {
    std::string names;
    for (const FieldEntry& field : FieldTable()) {
        names += std::string(field.name) + ", ";
    }
    return names + SizeName;
}

// Plain decimal digits only: a sign, blanks or a base prefix would let a typo through as a number.
std::optional<std::int32_t> Number(std::string_view text) {
    std::int32_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || text.front() == '-' || error != std::errc{} ||
        end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

// A field may be set once, whether by its own name or through the size.
std::optional<std::string> Record(Given next, std::vector<Given>& given) {
    for (const Given& earlier : given) {
        for (const FieldEntry* field : next.sets) {
            if (std::find(earlier.sets.begin(), earlier.sets.end(), field) != earlier.sets.end()) {
                return next.shown + ": " + field->name + " is already given by " + earlier.shown;
            }
        }
    }
    given.push_back(std::move(next));
    return std::nullopt;
}

std::optional<std::string> Read(const Assignment& assignment, std::vector<Given>& given,
                                OamFields& fields) {
    std::string shown = Shown(assignment);
    if (assignment.name == SizeName) {
        std::optional<std::int32_t> item = SizeItemNamed(assignment.value);
        if (!item) {
            return shown + ": " + SizeName + " takes one of " + SizeChoices();
        }
        fields.shape = ShapeOfSizeItem(*item);
        fields.sizeCode = *item % SizesPerShape;
        return Record({{FindField(ShapeName), FindField(SizeCodeName)}, shown}, given);
    }
    const FieldEntry* field = FindField(assignment.name);
    if (!field) {
        return shown + ": no field named \"" + assignment.name + "\"; the fields are " +
               FieldNames();
    }
    std::optional<std::int32_t> number = Number(assignment.value);
    if (!number || *number > FieldMaximum(*field)) {
        return shown + ": " + field->name + " takes a whole number from " + RangeText(*field);
    }
    fields.*field->value = *number;
    return Record({{field}, shown}, given);
}

// Known only once every word is read, since rotScale may come last.
std::optional<std::string> CheckFlag(const std::vector<Given>& given, const OamFields& fields) {
    for (const Given& g : given) {
        for (const FieldEntry* field : g.sets) {
            if (!FlagSelects(*field, fields.rotScale)) {
                return g.shown + ": " + field->name + " (" + RangeText(*field) +
                       ") is part of the entry only with " + RotScaleName + "=" +
                       (fields.rotScale != 0 ? "0" : "1");
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadAssignments(std::span<const std::string> words, OamFields& fields) {
    std::vector<Assignment> assignments;
    if (auto problem = Group(words, assignments)) {
        return problem;
    }
    std::vector<Given> given;
    for (const Assignment& assignment : assignments) {
        if (auto problem = Read(assignment, given, fields)) {
            return problem;
        }
    }
    return CheckFlag(given, fields);
}

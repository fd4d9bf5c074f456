#include "cli/input/assignments.h"

#include "cli/input/blanks.h"
#include "cli/input/digit_groups.h"
#include "cli/input/field_names.h"
#include "cli/input/memory_order.h"
#include "codec/bit_fields.h"
#include "codec/size_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <span>

namespace {

struct Assignment {
    std::string_view name;
    std::string_view value;
    std::string_view shown; // name=value as given, for messages
};

// Which assignment set each field, by its place among the entry's fields, and in what order. Only
// the places in `set` are filled: nothing more is cleared for each job. A view with no constructor,
// so that the array of them is not cleared for each job.
struct Shown {
    const char* data;
    std::size_t size;
};

std::string_view ViewOf(Shown shown) {
    return {shown.data, shown.size};
}

struct Given {
    std::uint32_t set = 0;
    std::array<Shown, EntryFields.size()> shownBy;
    std::array<std::size_t, EntryFields.size()> order;
    std::size_t count = 0;
};

AssignmentProblem Problem(AssignmentFault fault, std::string_view shown,
                          const FieldLayout* field = nullptr) {
    AssignmentProblem problem;
    problem.fault = fault;
    problem.shown = shown;
    problem.field = field;
    return problem;
}

std::size_t IndexOf(const FieldLayout* field) {
    return static_cast<std::size_t>(field - EntryFields.data());
}

// Quotes survive when the words come from a line of input rather than from a shell.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// "8  x  8", "8 x 8", "8x8" and "8X8" are the same size.
bool SameSize(std::string_view given, std::string_view name) {
    auto skip = [](std::string_view text, std::size_t i) {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
        return i;
    };
    std::size_t g = skip(given, 0), n = skip(name, 0);
    while (g < given.size() && n < name.size()) {
        if (std::tolower(static_cast<unsigned char>(given[g])) != name[n]) {
            return false;
        }
        g = skip(given, g + 1);
        n = skip(name, n + 1);
    }
    return g == given.size() && n == name.size();
}

std::optional<std::int32_t> SizeItemNamed(std::string_view text) {
    for (std::int32_t item = 0; item < SizeItemCount; ++item) {
        if (SameSize(text, SizeNames[static_cast<std::size_t>(item)])) {
            return item;
        }
    }
    return std::nullopt;
}

// A field may be set once, whether by its own name or through the size.
std::optional<AssignmentProblem> Record(const FieldLayout* field, std::string_view shown,
                                        Given& given) {
    std::size_t index = IndexOf(field);
    std::uint32_t bit = std::uint32_t{1} << index;
    if ((given.set & bit) != 0) {
        AssignmentProblem problem = Problem(AssignmentFault::GivenTwice, shown, field);
        problem.earlier = ViewOf(given.shownBy[index]);
        return problem;
    }
    given.set |= bit;
    given.shownBy[index] = {shown.data(), shown.size()};
    given.order[given.count++] = index;
    return std::nullopt;
}

std::optional<AssignmentProblem> Read(const Assignment& assignment, Given& given,
                                      OamFields& fields) {
    std::string_view value = Unquoted(assignment.value);
    if (IsSizeName(assignment.name)) {
        std::optional<std::int32_t> item = SizeItemNamed(value);
        if (!item) {
            return Problem(AssignmentFault::NoSuchSize, assignment.shown);
        }
        fields.shape = ShapeOfSizeItem(*item);
        fields.sizeCode = *item % SizesPerShape;
        if (auto problem = Record(FindField(ShapeName), assignment.shown, given)) {
            return problem;
        }
        return Record(FindField(SizeCodeName), assignment.shown, given);
    }
    const FieldLayout* field = FindField(assignment.name);
    if (!field) {
        AssignmentProblem problem = Problem(AssignmentFault::NoSuchField, assignment.shown);
        problem.name = assignment.name;
        return problem;
    }
    std::optional<std::int32_t> number = FieldValue(*field, value);
    if (!number) {
        return Problem(AssignmentFault::OutOfRange, assignment.shown, field);
    }
    fields.*field->value = *number;
    return Record(field, assignment.shown, given);
}

// Known only once every word is read, since rotScale may come last.
std::optional<AssignmentProblem> CheckFlag(const Given& given, const OamFields& fields) {
    for (std::size_t index : std::span(given.order).first(given.count)) {
        const FieldLayout& field = EntryFields[index];
        if (!FlagSelects(field.place, fields.rotScale)) {
            AssignmentProblem problem =
                Problem(AssignmentFault::NotSelected, ViewOf(given.shownBy[index]), &field);
            problem.rotScale = fields.rotScale;
            return problem;
        }
    }
    return std::nullopt;
}

// A word of a job and the place of its first "=", if any.
struct Word {
    std::string_view text;
    std::size_t equals = std::string_view::npos;
};

enum CharacterKind : std::uint8_t { OtherCharacter, BlankCharacter, EqualsCharacter };

constexpr std::array<CharacterKind, 256> CharacterKinds = [] {
    std::array<CharacterKind, 256> kinds{};
    for (std::size_t c = 0; c < kinds.size(); ++c) {
        kinds[c] = IsBlank(static_cast<char>(c)) ? BlankCharacter : OtherCharacter;
    }
    kinds['='] = EqualsCharacter;
    return kinds;
}();

CharacterKind KindOf(char c) {
    return CharacterKinds[static_cast<unsigned char>(c)];
}

// Looks at each character once, by a look-up: this runs for every character of every job.
Word NextWord(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && KindOf(rest[start]) == BlankCharacter) {
        ++start;
    }
    Word word;
    std::size_t end = start;
    for (CharacterKind kind; end < rest.size() && (kind = KindOf(rest[end])) != BlankCharacter;
         ++end) {
        if (kind == EqualsCharacter && word.equals == std::string_view::npos) {
            word.equals = end - start;
        }
    }
    word.text = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The words before the first with "=", together as the text they stand in, taken from `rest`.
std::string_view LeadingWords(std::string_view& rest) {
    const char* start = nullptr;
    const char* end = nullptr;
    for (;;) {
        std::string_view before = rest;
        Word word = NextWord(rest);
        if (word.text.empty() || word.equals != std::string_view::npos) {
            rest = before;
            break;
        }
        start = start ? start : word.text.data();
        end = word.text.data() + word.text.size();
    }
    return start ? std::string_view(start, static_cast<std::size_t>(end - start))
                 : std::string_view{};
}

// Only digits, blanks and quotes: meant as an entry, not as a name.
bool LooksLikeAnEntry(std::string_view text) {
    for (char c : text) {
        if (DigitValue(c, HexBase) < 0 && !IsBlank(c) && c != '"') {
            return false;
        }
    }
    return true;
}

// The entry a job changes, and its fields to start from.
std::optional<AssignmentProblem> ReadStart(std::string_view text, bool memoryOrder,
                                           EntryChanges& read) {
    std::string_view unquoted = Unquoted(text);
    if (memoryOrder) {
        read.start = ReadMemoryOrder(unquoted);
    } else if (std::optional<EntryRead> entry = ReadEntry(unquoted)) {
        read.start = MemoryEntry{};
        std::copy(entry->words.begin(), entry->words.end(), read.start->halfwords.begin());
    }
    if (!read.start) {
        if (!LooksLikeAnEntry(text)) {
            std::string_view rest = text;
            return Problem(AssignmentFault::NotAnAssignment, NextWord(rest).text);
        }
        AssignmentProblem problem = Problem(AssignmentFault::NotAnEntry, text);
        problem.memoryOrder = memoryOrder;
        return problem;
    }
    AttributeWords words{};
    std::copy_n(read.start->halfwords.begin(), AttributeCount, words.begin());
    read.fields = FieldsOfWords(words);
    return std::nullopt;
}

} // namespace

// The common job, every word a field's name, "=" and a number in its range, read with one search
// for each "=" and one pass over the digits: this runs for every job. Any other job, and any job
// with a problem, is left to the exact reading below, which gives the same fields for such a job.
bool ReadPlainJob(std::string_view job, OamFields& fields, std::uint32_t& givenFields) {
    Given given;
    const char* end = job.data() + job.size();
    for (const char* at = job.data();;) {
        while (at < end && KindOf(*at) == BlankCharacter) {
            ++at;
        }
        if (at == end) {
            givenFields = given.set;
            return !CheckFlag(given, fields);
        }
        const auto* equals = static_cast<const char*>(std::memchr(at, '=', end - at));
        // A name with a blank in it is no field's, nor is the size.
        const FieldLayout* field =
            equals ? FindField({at, static_cast<std::size_t>(equals - at)}) : nullptr;
        if (!field || equals + 1 == end || !IsDecimalDigit(equals[1])) {
            return false;
        }
        std::int32_t number = 0;
        auto [valueEnd, error] = std::from_chars(equals + 1, end, number);
        if (error != std::errc{} || (valueEnd < end && KindOf(*valueEnd) != BlankCharacter) ||
            number > FieldMaximum(*field) ||
            Record(field, {at, static_cast<std::size_t>(valueEnd - at)}, given)) {
            return false;
        }
        fields.*field->value = number;
        at = valueEnd;
    }
}

std::optional<AssignmentProblem> ReadEveryWord(std::string_view job, OamFields& fields,
                                               std::uint32_t& givenFields) {
    Given given;
    std::string_view rest = job;
    Word word = NextWord(rest);
    while (!word.text.empty()) {
        if (word.equals == std::string_view::npos) {
            return Problem(AssignmentFault::NotAnAssignment, word.text);
        }
        // Every following word without "=" is part of the value.
        const char* valueEnd = word.text.data() + word.text.size();
        Word next = NextWord(rest);
        for (; !next.text.empty() && next.equals == std::string_view::npos; next = NextWord(rest)) {
            valueEnd = next.text.data() + next.text.size();
        }
        std::string_view shown(word.text.data(),
                               static_cast<std::size_t>(valueEnd - word.text.data()));
        if (auto problem =
                Read({shown.substr(0, word.equals), shown.substr(word.equals + 1), shown}, given,
                     fields)) {
            return problem;
        }
        word = next;
    }
    givenFields = given.set;
    return CheckFlag(given, fields);
}

std::optional<AssignmentProblem> ReadEncodeJob(std::string_view job, bool memoryOrder,
                                               EntryChanges& read) {
    read = EntryChanges{};
    // The common job names no entry: the fast reading takes it whole.
    if (ReadPlainJob(job, read.fields, read.given)) {
        return std::nullopt;
    }
    read.fields = {};
    std::string_view changes = job;
    std::string_view entry = LeadingWords(changes);
    if (!entry.empty()) {
        if (auto problem = ReadStart(entry, memoryOrder, read)) {
            return problem;
        }
        OamFields plain = read.fields;
        if (ReadPlainJob(changes, plain, read.given)) {
            read.fields = plain;
            return std::nullopt;
        }
    }
    return ReadEveryWord(changes, read.fields, read.given);
}

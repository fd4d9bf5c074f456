// The name=value words of an encode job become the fields of an entry, or what is wrong with them.
// Everything is checked before anything is encoded, so a bad job gives no entry at all.
#pragma once

#include "codec/layout.h"

#include <cstdint>
#include <optional>
#include <string_view>

enum class AssignmentFault {
    NotAnAssignment, // a word without "="
    NoSuchSize,
    NoSuchField,
    OutOfRange,  // not a whole number, or past the field's range
    GivenTwice,  // by its own name or through the size
    NotSelected, // the rotation/scaling flag leaves the field out of the entry
};

// What is wrong with a job, in views of the job's own text.
struct AssignmentProblem {
    AssignmentFault fault = AssignmentFault::NotAnAssignment;
    std::string_view shown;             // the assignment as given, or the word without "="
    std::string_view name;              // NoSuchField: the name as given
    const FieldLayout* field = nullptr; // OutOfRange, GivenTwice, NotSelected
    std::string_view earlier;           // GivenTwice: the assignment that gave the field first
    std::int32_t rotScale = 0;          // NotSelected: the flag as the job sets it
};

// Fills `fields` from the job's words, separated by blanks; a field not given stays 0. A word
// without "=" continues the value before it, so size=32 x 16 needs no quotes. Gives the first
// problem when the words are not a valid entry.
std::optional<AssignmentProblem> ReadAssignments(std::string_view job, OamFields& fields);

// The two readings behind it, each for a fuzzer to hold against the other. The fast one takes
// only the common job, every word a field's name, "=" and a number in range, and gives false for
// any other job, leaving it to the exact one, which reads every job and gives the problem of a bad
// one.
bool ReadPlainJob(std::string_view job, OamFields& fields);
std::optional<AssignmentProblem> ReadEveryWord(std::string_view job, OamFields& fields);

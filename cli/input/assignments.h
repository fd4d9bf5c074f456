// An encode job becomes the fields of an entry, or what is wrong with it: the name=value words,
// after the entry they change when the job names one. Everything is checked before anything is
// encoded, so a bad job gives no entry at all.
#pragma once

#include "codec/layout.h"
#include "codec/memory_layout.h"

#include <cstdint>
#include <optional>
#include <string_view>

enum class AssignmentFault {
    NotAnEntry,      // the words before the first name=value are digits but not an entry
    NotAnAssignment, // a word without "=" that is no entry
    NoSuchSize,
    NoSuchField,
    OutOfRange,  // not a number as a field takes it, or past the field's range
    GivenTwice,  // by its own name or through the size
    NotSelected, // the rotation/scaling flag leaves the field out of the entry
};

// What is wrong with a job, in views of the job's own text.
struct AssignmentProblem {
    AssignmentFault fault = AssignmentFault::NotAnAssignment;
    std::string_view shown;             // the assignment as given, the entry, or the word
    std::string_view name;              // NoSuchField: the name as given
    const FieldLayout* field = nullptr; // OutOfRange, GivenTwice, NotSelected
    std::string_view earlier;           // GivenTwice: the assignment that gave the field first
    std::int32_t rotScale = 0;          // NotSelected: the flag as the job leaves it
    bool memoryOrder = false;           // NotAnEntry: the entry was to be bytes in memory order
};

// A job read: the fields of the entry it starts from (all 0 without one) as the job changes them,
// which of them it names (bit i for EntryFields[i]), and the entry it starts from, if any.
struct EntryChanges {
    OamFields fields;
    std::uint32_t given = 0;
    std::optional<MemoryEntry> start;
};

// Reads a job of words separated by blanks. Words before the first name=value are the entry to
// change: twelve hexadecimal digits, or with `memoryOrder` its six or eight bytes, quotes around
// it allowed. A word without "=" after a name=value continues the value before it, so
// size=32 x 16 needs no quotes. A field the rotation/scaling flag does not select, as the entry
// has it or the job sets it, is a problem. Gives the first problem when the job is no entry.
std::optional<AssignmentProblem> ReadEncodeJob(std::string_view job, bool memoryOrder,
                                               EntryChanges& read);

// The two readings of the name=value words, each for a fuzzer to hold against the other; both
// start from `fields` and add to `given`. The fast one takes only the common job, every word a
// field's name, "=" and a decimal number in range, and gives false for any other job, leaving it
// to the exact one, which reads every job and gives the problem of a bad one.
bool ReadPlainJob(std::string_view job, OamFields& fields, std::uint32_t& given);
std::optional<AssignmentProblem> ReadEveryWord(std::string_view job, OamFields& fields,
                                               std::uint32_t& given);

// One answer as named values, whatever format writes it. Every record of a kind has the same cells
// in the same order; a cell without a value is kept, so the columns of a table never move.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

enum class CellKind {
    Absent,
    Number,     // a whole number
    Word,       // text written bare in pairs and rows, quoted in JSON
    Quoted,     // text quoted in pairs and in JSON
    Decimal,    // a real number with a decimal point, to a number of places
    Numbers,    // a list of whole numbers: 1,2,3 or [1,2,3]
    Halfword,   // four hexadecimal digits, quoted in JSON
    NumberText, // a number already written, bare in every format
    Null,       // no value: null in JSON, left out of pairs, empty in a row
};

// Filled whole by each Add function; a record leaves the cells it does not use as they are.
struct Cell {
    std::string_view name;
    CellKind kind;
    bool tableOnly; // a column of the table that pairs and JSON leave out
    std::int64_t number;
    double real;
    std::string_view text;
    std::span<const std::int32_t> numbers;
};

constexpr std::size_t MostCells = 40;

struct Record {
    std::array<Cell, MostCells> cells;
    std::size_t count = 0;
};

void AddNumber(Record& record, std::string_view name, std::int64_t number);
void AddWord(Record& record, std::string_view name, std::string_view word);
void AddQuoted(Record& record, std::string_view name, std::string_view text);
void AddDecimal(Record& record, std::string_view name, double real, int places);
void AddNumberText(Record& record, std::string_view name, std::string_view digits);
void AddNull(Record& record, std::string_view name);
void AddNumbers(Record& record, std::string_view name, std::span<const std::int32_t> numbers);
void AddHalfword(Record& record, std::string_view name, std::uint16_t halfword);
void AddAbsent(Record& record, std::string_view name);

// The cell added last is a column of the table only.
void MarkTableOnly(Record& record);

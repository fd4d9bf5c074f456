// The three formats of an answer: name=value pairs, a JSON object, or a tab-separated row under a
// header row. A cell without a value is left out of a pair list or an object and left empty in a
// row.
#pragma once

#include "cli/output/record.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class Format { Text, Json, Table };

void WriteRecord(std::string& out, Format format, const Record& record);

struct NamedNumber {
    std::string_view name;
    std::int64_t number;
};

// Pairs or a JSON object of these numbers alone, as WriteRecord writes a record of them: the
// answer to nearly every decode job, written straight.
void WriteNumbers(std::string& out, Format format, std::span<const NamedNumber> cells);

// The names of the record's cells, tab-separated, for the first line of a table.
void WriteHeader(std::string& out, const Record& record);

// The shortest text of `real` to `places` decimals that keeps one digit after the point.
void AppendDecimal(std::string& out, double real, int places);

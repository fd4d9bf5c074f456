// The cells of the answers: an entry's fields, a rotation/scaling matrix, and the rows of decode
// and encode, the same columns for every job of a run, whether it went through or not.
#pragma once

#include "cli/output/formats.h"
#include "cli/output/record.h"
#include "codec/affine.h"
#include "codec/layout.h"

#include <array>

#include <cstdint>
#include <optional>
#include <string_view>

// The sixteen fields, each absent where the rotation/scaling flag does not select it, all absent
// without fields.
void AddFieldCells(Record& record, const OamFields* fields);

inline constexpr std::array<const char*, MatrixParameters> ParameterNames = {"PA", "PB", "PC",
                                                                             "PD"};

// PA to PD as four hexadecimal digits each, then each as a signed 8.8 number (PAValue=1.0 for
// 0100), the same for a dump's groups and for affine.
void AddMatrixCells(Record& record, const FixedMatrix& matrix);

struct EntryAnswer {
    std::int64_t line = 0;
    std::string_view entry;
    const OamFields* fields = nullptr;
    bool memoryOrder = false;                   // the run reads or writes memory order
    std::optional<std::uint16_t> groupHalfword; // given in memory order
    std::string_view input;                     // cut, for a failed job
    std::string_view error;
};

// The fields the flag selects, in pairs or JSON: what EntryRecord gives there when the run does
// not use memory order.
void WriteFieldsOnly(std::string& out, Format format, const OamFields& fields);

// line and entry are columns of the table only: pairs and JSON show the fields alone.
Record EntryRecord(const EntryAnswer& answer);

// A job that failed, in place of its answer: line=2 error="...",
// {"line":2,"input":"...","error":"..."}, or the entry row with only line and error filled.
Record FailedEntryRecord(const EntryAnswer& answer, Format format);

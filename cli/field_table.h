// The entry's fields as the command line names them: the layout's names, in its order, each with
// its place (and so its range) and the setting of the rotation/scaling flag under which it is
// part of the entry.
#pragma once

#include "codec/decoder.h"
#include "codec/layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct FieldEntry {
    const char* name;
    FieldPlace place;
    std::int32_t OamFields::*value;
};

constexpr const char* RotScaleName = "rotScale";
constexpr const char* ShapeName = "shape";
constexpr const char* SizeCodeName = "sizeCode";

constexpr std::size_t FieldCount = 16;

std::span<const FieldEntry> FieldTable();

// Nothing for a name that is not a field; names are matched exactly, as they are printed.
const FieldEntry* FindField(std::string_view name);

// Every value from 0 to this fits the field's width.
std::int32_t FieldMaximum(const FieldEntry& field);

// "0 to 255", for messages and help.
std::string RangeText(const FieldEntry& field);

bool FlagSelects(const FieldEntry& field, std::int32_t rotScale);

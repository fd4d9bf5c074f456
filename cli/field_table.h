// The entry's fields as the command line names them: the layout's names, in its order, each with
// its place (and so its range) and the setting of the rotation/scaling flag under which it is
// part of the entry.
#pragma once

#include "codec/layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using FieldEntry = FieldLayout;

constexpr const char* RotScaleName = LayoutOf(&OamFields::rotScale).name;
constexpr const char* ShapeName = LayoutOf(&OamFields::shape).name;
constexpr const char* SizeCodeName = LayoutOf(&OamFields::sizeCode).name;

constexpr std::size_t FieldCount = EntryFields.size();

std::span<const FieldEntry> FieldTable();

// Nothing for a name that is not a field; names are matched exactly, as they are printed.
const FieldEntry* FindField(std::string_view name);

// Every value from 0 to this fits the field's width.
std::int32_t FieldMaximum(const FieldEntry& field);

// "0 to 255", for messages and help.
std::string RangeText(const FieldEntry& field);

bool FlagSelects(const FieldEntry& field, std::int32_t rotScale);

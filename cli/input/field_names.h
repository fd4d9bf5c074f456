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

constexpr std::string_view RotScaleName = LayoutOf(&OamFields::rotScale).name;
constexpr std::string_view ShapeName = LayoutOf(&OamFields::shape).name;
constexpr std::string_view SizeCodeName = LayoutOf(&OamFields::sizeCode).name;

constexpr std::size_t FieldCount = EntryFields.size();

inline std::span<const FieldEntry> FieldTable() {
    return EntryFields;
}

// Nothing for a name that is not a field; names are matched exactly, as they are printed.
const FieldEntry* FindField(std::string_view name);

// Every value from 0 to this fits the field's width.
inline std::int32_t FieldMaximum(const FieldEntry& field) {
    return static_cast<std::int32_t>(WidthMask(field.place));
}

// "0 to 255", for messages and help.
std::string RangeText(const FieldEntry& field);

inline bool FlagSelects(const FieldEntry& field, std::int32_t rotScale) {
    return FlagSelects(field.place, rotScale);
}

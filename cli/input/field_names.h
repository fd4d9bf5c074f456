// The entry's fields as the command line names them: the layout's names, in its order, found by
// name, each with its range; and "size", which names shape and sizeCode together.
#pragma once

#include "codec/layout.h"

#include <cstdint>
#include <string>
#include <string_view>

constexpr std::string_view RotScaleName = LayoutOf(&OamFields::rotScale).name;
constexpr std::string_view ShapeName = LayoutOf(&OamFields::shape).name;
constexpr std::string_view SizeCodeName = LayoutOf(&OamFields::sizeCode).name;
constexpr const char* SizeName = "size";

// Nothing for a name that is not a field; names are matched exactly, as they are printed.
const FieldLayout* FindField(std::string_view name);

// Every value from 0 to this fits the field's width.
inline std::int32_t FieldMaximum(const FieldLayout& field) {
    return static_cast<std::int32_t>(WidthMask(field.place));
}

// "0 to 255", for messages and help.
std::string RangeText(const FieldLayout& field);

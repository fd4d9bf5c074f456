// The entry's fields as the command line names them: the layout's names, in its order, each with
// the short names a person may type instead, found in any case, each with its range; and "size",
// which names shape and sizeCode together. Answers always use the layout's names.
#pragma once

#include "codec/layout.h"
#include "codec/sprite_geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

constexpr std::string_view RotScaleName = LayoutOf(&OamFields::rotScale).name;
constexpr std::string_view ShapeName = LayoutOf(&OamFields::shape).name;
constexpr std::string_view SizeCodeName = LayoutOf(&OamFields::sizeCode).name;
constexpr std::string_view SizeName = "size";

// Each field's short names, beside the layout's name (vFlip and hFlip are short already). A name
// is letters only, and no two names of all the fields are the same in any case.
struct ShortNames {
    std::int32_t OamFields::*value;
    std::array<std::string_view, 2> names; // empty where a field has fewer
};

inline constexpr std::array<ShortNames, 10> FieldShortNames = {{
    {&OamFields::colorsPalettes, {"colors"}},
    {&OamFields::doubleSize, {"double"}},
    {&OamFields::objDisable, {"disable"}},
    {&OamFields::rotScale, {"rs", "affine"}},
    {&OamFields::yCoordinate, {"y"}},
    {&OamFields::rotScaleParam, {"group"}},
    {&OamFields::xCoordinate, {"x"}},
    {&OamFields::paletteNumber, {"pal", "palette"}},
    {&OamFields::priority, {"prio"}},
    {&OamFields::tileNumber, {"tile"}},
}};

// Nothing for a name that is no field's, long or short, in any case.
const FieldLayout* FindField(std::string_view name);

// "size" in any case.
bool IsSizeName(std::string_view name);

// Every name a field may be given by, the layout's first, then the short ones, then "size": the
// names an unknown one is held against.
std::span<const std::string_view> EveryFieldName();

// The short names of one field, "" where it has none.
std::array<std::string_view, 2> ShortNamesOf(const FieldLayout& field);

// Every value from 0 to this fits the field's width.
inline std::int32_t FieldMaximum(const FieldLayout& field) {
    return static_cast<std::int32_t>(WidthMask(field.place));
}

// The coordinates may also be given as the screen reads them, as dump shows screenX and screenY:
// X from -256 (the signed 9-bit number) and Y from -64 (a row above the screen) to -1, standing
// for the field's value that many below its range's end. 0 for any other field: no negatives.
constexpr std::int32_t LowestNegative(const FieldLayout& field) {
    if (field.value == &OamFields::xCoordinate) {
        return -XRange / 2;
    }
    if (field.value == &OamFields::yCoordinate) {
        return ScreenHeight - YRange;
    }
    return 0;
}

// A field's value as a person writes it: decimal, or hexadecimal after 0x (either case, digits of
// either case), and for the coordinates a negative number as above. No sign "+", no blanks.
// Nothing for any other text or a value outside the field.
std::optional<std::int32_t> FieldValue(const FieldLayout& field, std::string_view text);

// "0 to 255", for messages and help.
std::string RangeText(const FieldLayout& field);

// "-256 to -1 left of the screen" after `before`, for a field that takes negative numbers; nothing
// for any other.
std::string NegativeText(const FieldLayout& field, std::string_view before);

#include "cli/field_table.h"

#include <array>

namespace {

using enum FlagReading;

constexpr std::array Fields = {
    FieldEntry{ShapeName, ShapePlace, Always, &OamFields::shape},
    FieldEntry{"colorsPalettes", ColorsPalettesPlace, Always, &OamFields::colorsPalettes},
    FieldEntry{"mosaic", MosaicPlace, Always, &OamFields::mosaic},
    FieldEntry{"mode", ModePlace, Always, &OamFields::mode},
    FieldEntry{"doubleSize", DoubleSizePlace, FlagOn, &OamFields::doubleSize},
    FieldEntry{"objDisable", ObjDisablePlace, FlagOff, &OamFields::objDisable},
    FieldEntry{RotScaleName, RotScalePlace, Always, &OamFields::rotScale},
    FieldEntry{"yCoordinate", YCoordinatePlace, Always, &OamFields::yCoordinate},
    FieldEntry{SizeCodeName, SizeCodePlace, Always, &OamFields::sizeCode},
    FieldEntry{"rotScaleParam", RotScaleParamPlace, FlagOn, &OamFields::rotScaleParam},
    FieldEntry{"vFlip", VFlipPlace, FlagOff, &OamFields::vFlip},
    FieldEntry{"hFlip", HFlipPlace, FlagOff, &OamFields::hFlip},
    FieldEntry{"xCoordinate", XCoordinatePlace, Always, &OamFields::xCoordinate},
    FieldEntry{"paletteNumber", PaletteNumberPlace, Always, &OamFields::paletteNumber},
    FieldEntry{"priority", PriorityPlace, Always, &OamFields::priority},
    FieldEntry{"tileNumber", TileNumberPlace, Always, &OamFields::tileNumber},
};

static_assert(Fields.size() == FieldCount);

} // namespace

std::span<const FieldEntry> FieldTable() {
    return Fields;
}

const FieldEntry* FindField(std::string_view name) {
    for (const FieldEntry& field : Fields) {
        // The first letter sorts out most fields before a name is measured: this runs for every
        // word of every job.
        if (!name.empty() && name.front() == field.name[0] && name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

std::int32_t FieldMaximum(const FieldEntry& field) {
    return (std::int32_t{1} << field.place.width) - 1;
}

std::string RangeText(const FieldEntry& field) {
    return "0 to " + std::to_string(FieldMaximum(field));
}

bool FlagSelects(const FieldEntry& field, std::int32_t rotScale) {
    switch (field.reading) {
    case FlagReading::FlagOn:
        return rotScale != 0;
    case FlagReading::FlagOff:
        return rotScale == 0;
    case FlagReading::Always:
        break;
    }
    return true;
}

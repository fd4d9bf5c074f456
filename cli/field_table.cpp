#include "cli/field_table.h"

#include <array>

namespace {

constexpr std::array Fields = {
    FieldEntry{ShapeName, ShapePlace, &OamFields::shape},
    FieldEntry{"colorsPalettes", ColorsPalettesPlace, &OamFields::colorsPalettes},
    FieldEntry{"mosaic", MosaicPlace, &OamFields::mosaic},
    FieldEntry{"mode", ModePlace, &OamFields::mode},
    FieldEntry{"doubleSize", DoubleSizePlace, &OamFields::doubleSize},
    FieldEntry{"objDisable", ObjDisablePlace, &OamFields::objDisable},
    FieldEntry{RotScaleName, RotScalePlace, &OamFields::rotScale},
    FieldEntry{"yCoordinate", YCoordinatePlace, &OamFields::yCoordinate},
    FieldEntry{SizeCodeName, SizeCodePlace, &OamFields::sizeCode},
    FieldEntry{"rotScaleParam", RotScaleParamPlace, &OamFields::rotScaleParam},
    FieldEntry{"vFlip", VFlipPlace, &OamFields::vFlip},
    FieldEntry{"hFlip", HFlipPlace, &OamFields::hFlip},
    FieldEntry{"xCoordinate", XCoordinatePlace, &OamFields::xCoordinate},
    FieldEntry{"paletteNumber", PaletteNumberPlace, &OamFields::paletteNumber},
    FieldEntry{"priority", PriorityPlace, &OamFields::priority},
    FieldEntry{"tileNumber", TileNumberPlace, &OamFields::tileNumber},
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
    return FlagSelects(field.place, rotScale);
}

#include "codec/sprite_geometry.h"

#include "codec/size_names.h"

#include <charconv>
#include <cstring>

namespace {

constexpr std::int32_t DoubleSizeFactor = 2;

std::int32_t LeadingNumber(const char* text) {
    while (*text == ' ') {
        ++text;
    }
    std::int32_t number = 0;
    std::from_chars(text, text + std::strlen(text), number);
    return number;
}

} // namespace

std::optional<PixelSize> SpriteSize(std::int32_t shape, std::int32_t sizeCode) {
    if (shape < 0 || shape >= ProhibitedShape || sizeCode < 0 || sizeCode >= SizesPerShape) {
        return std::nullopt;
    }
    const char* name = SizeNames[static_cast<std::size_t>(SizeItem(shape, sizeCode))];
    return PixelSize{LeadingNumber(name), LeadingNumber(std::strchr(name, 'x') + 1)};
}

std::int32_t ScreenX(std::int32_t xCoordinate) {
    return xCoordinate >= XRange / 2 ? xCoordinate - XRange : xCoordinate;
}

std::int32_t ScreenY(std::int32_t yCoordinate) {
    return yCoordinate >= ScreenHeight ? yCoordinate - YRange : yCoordinate;
}

PixelSize BoundingBox(PixelSize size, const OamFields& fields) {
    if (fields.rotScale != 0 && fields.doubleSize != 0) {
        return {size.width * DoubleSizeFactor, size.height * DoubleSizeFactor};
    }
    return size;
}

bool IsHidden(const OamFields& fields) {
    return fields.rotScale == 0 && fields.objDisable != 0;
}

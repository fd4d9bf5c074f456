#include "codec/sprite_geometry.h"

namespace {

constexpr std::int32_t DoubleSizeFactor = 2;

} // namespace

std::optional<PixelSize> SpriteSize(std::int32_t shape, std::int32_t sizeCode) {
    if (shape < 0 || shape >= ProhibitedShape || sizeCode < 0 || sizeCode >= SizesPerShape) {
        return std::nullopt;
    }
    return SpriteSizes[static_cast<std::size_t>(SizeItem(shape, sizeCode))];
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

#include "codec/screen_pieces.h"

#include <algorithm>
#include <array>

namespace {

struct Run {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// The runs of 0 to `shown` - 1 that (p - start) mod range < length covers: the one from `start`
// and, when the box passes the end of the range, the one that comes back in at 0. A box is never
// longer than the range, so the two never meet.
std::vector<Run> ShownRuns(std::int32_t start, std::int32_t length, std::int32_t range,
                           std::int32_t shown) {
    std::array<Run, 2> candidates = {Run{start, std::min(length, range - start)},
                                     Run{0, start + length - range}};
    std::vector<Run> runs;
    for (Run run : candidates) {
        std::int32_t end = std::min(run.start + run.length, shown);
        if (run.length > 0 && run.start < end) {
            runs.push_back({run.start, end - run.start});
        }
    }
    std::sort(runs.begin(), runs.end(), [](Run a, Run b) { return a.start < b.start; });
    return runs;
}

} // namespace

std::vector<ScreenRect> VisiblePieces(const OamFields& fields, PixelSize box) {
    std::vector<ScreenRect> pieces;
    for (Run rows : ShownRuns(fields.yCoordinate, box.height, YRange, ScreenHeight)) {
        for (Run columns : ShownRuns(fields.xCoordinate, box.width, XRange, ScreenWidth)) {
            pieces.push_back({columns.start, rows.start, columns.length, rows.length});
        }
    }
    return pieces;
}

Placement PlacementOf(const OamFields& fields) {
    if (IsHidden(fields)) {
        return {Showing::Hidden, {}, {}};
    }
    std::optional<PixelSize> size = SpriteSize(fields.shape, fields.sizeCode);
    if (!size) {
        return {Showing::Prohibited, {}, {}};
    }
    PixelSize box = BoundingBox(*size, fields);
    std::vector<ScreenRect> pieces = VisiblePieces(fields, box);
    return {pieces.empty() ? Showing::OffScreen : Showing::Drawn, pieces, box};
}

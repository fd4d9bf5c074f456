// Where a box shows on the screen, at every edge of the rule: the first and last row and column
// that show, the first that does not, and the first that comes back in at the top or the left.
#include "codec/screen_pieces.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Piece = std::array<std::int32_t, 4>; // left, top, width, height

struct PiecesCase {
    std::int32_t x;
    std::int32_t y;
    PixelSize box;
    std::vector<Piece> pieces; // top to bottom
};

// clang-format off
const PiecesCase PiecesCases[] = {
    {0,   0,   {8, 8},     {{0, 0, 8, 8}}},
    {248, 184, {8, 8},     {{248, 184, 8, 8}}},    // the last whole box
    {255, 191, {8, 8},     {{255, 191, 1, 1}}},    // the last row and column
    {256, 100, {8, 8},     {}},                    // the first column off the screen
    {100, 192, {8, 8},     {}},                    // the first row off the screen
    {504, 100, {8, 8},     {}},                    // ends at the 512th column
    {505, 100, {8, 8},     {{0, 100, 1, 8}}},      // one column comes back at the left
    {511, 100, {128, 8},   {{0, 100, 127, 8}}},
    {100, 248, {8, 8},     {}},                    // ends at the 256th row
    {100, 249, {8, 8},     {{100, 0, 8, 1}}},      // one row comes back at the top
    {100, 192, {8, 64},    {}},
    {100, 193, {8, 64},    {{100, 0, 8, 1}}},
    {100, 128, {8, 128},   {{100, 128, 8, 64}}},   // ends where the rows wrap: no second piece
    {100, 129, {8, 128},   {{100, 0, 8, 1}, {100, 129, 8, 63}}},
    {100, 191, {8, 128},   {{100, 0, 8, 63}, {100, 191, 8, 1}}},
    {505, 255, {16, 16},   {{0, 0, 9, 15}}},       // the top-left corner, from both wraps
};
// clang-format on

TEST(ScreenPieces, ShowEachRowAndColumnTheHardwareShows) {
    for (const PiecesCase& c : PiecesCases) {
        OamFields fields;
        fields.xCoordinate = c.x;
        fields.yCoordinate = c.y;
        std::vector<Piece> shown;
        for (const ScreenRect& piece : VisiblePieces(fields, c.box)) {
            shown.push_back({piece.left, piece.top, piece.width, piece.height});
        }
        EXPECT_EQ(shown, c.pieces) << "x=" << c.x << " y=" << c.y;
    }
}

} // namespace

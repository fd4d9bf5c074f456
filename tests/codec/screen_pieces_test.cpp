// Where a box shows on the screen, at every edge of the rule: the first and last row and column
// that show, the first that does not, and the first that comes back in at the top or the left.
#include "codec/screen_pieces.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PiecesCase {
    std::int32_t x;
    std::int32_t y;
    PixelSize box;
    std::vector<ScreenRect> pieces; // left, top, width, height; top to bottom
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
    for (const PiecesCase& testCase : PiecesCases) {
        OamFields fields;
        fields.xCoordinate = testCase.x;
        fields.yCoordinate = testCase.y;
        std::vector<ScreenRect> pieces = VisiblePieces(fields, testCase.box);
        ASSERT_EQ(pieces.size(), testCase.pieces.size())
            << "x=" << testCase.x << " y=" << testCase.y;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const ScreenRect& want = testCase.pieces[i];
            EXPECT_EQ(pieces[i].left, want.left) << "x=" << testCase.x << " piece " << i;
            EXPECT_EQ(pieces[i].top, want.top) << "y=" << testCase.y << " piece " << i;
            EXPECT_EQ(pieces[i].width, want.width) << "x=" << testCase.x << " piece " << i;
            EXPECT_EQ(pieces[i].height, want.height) << "y=" << testCase.y << " piece " << i;
        }
    }
}

} // namespace

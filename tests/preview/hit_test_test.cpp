// Hit codes and cursors of the selection rectangle.
#include "preview/model/hit_test.h"

#include <gtest/gtest.h>

#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

struct HitCase {
  ViewRect selection;
  ViewPoint point;
  int code;
};
void PrintTo(const HitCase& c, std::ostream* os) {
  *os << "point ";
  PrintTo(c.point, os);
  *os << " against ";
  PrintTo(c.selection, os);
}

class HitTestTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTestTable, GivesTheCodeOfTheBand) {
  EXPECT_EQ(hitTest(GetParam().selection, GetParam().point), static_cast<HitCode>(GetParam().code));
}

constexpr ViewRect kSel{50, 40, 150, 120};
constexpr ViewRect kNarrow{50, 40, 54, 120};  // left and right bands overlap
constexpr ViewRect kFlat{50, 40, 150, 44};    // top and bottom bands overlap

INSTANTIATE_TEST_SUITE_P(
    Bands, HitTestTable,
    ::testing::Values(
        // Corners, with the +-3 bounds included.
        HitCase{kSel, {50, 40}, 7}, HitCase{kSel, {47, 37}, 7}, HitCase{kSel, {53, 43}, 7},
        HitCase{kSel, {46, 40}, 0}, HitCase{kSel, {50, 36}, 0}, HitCase{kSel, {150, 40}, 9},
        HitCase{kSel, {50, 120}, 1}, HitCase{kSel, {153, 123}, 3},
        // Side bands: strictly between the corner bands.
        HitCase{kSel, {50, 44}, 4}, HitCase{kSel, {53, 116}, 4}, HitCase{kSel, {150, 80}, 6},
        // Top and bottom bands between the side bands.
        HitCase{kSel, {100, 37}, 8}, HitCase{kSel, {54, 40}, 8}, HitCase{kSel, {146, 123}, 2},
        // Inside and outside.
        HitCase{kSel, {100, 80}, 5}, HitCase{kSel, {54, 44}, 5}, HitCase{kSel, {100, 124}, 0},
        HitCase{kSel, {154, 80}, 0},
        // Priorities: the left band wins over the right one, the top over the bottom.
        HitCase{kNarrow, {52, 80}, 4}, HitCase{kNarrow, {55, 80}, 6}, HitCase{kNarrow, {52, 40}, 7},
        HitCase{kFlat, {100, 42}, 8}, HitCase{kFlat, {50, 42}, 7},
        // No selection at all (after a click outside): nothing to grab, even
        // at the control's top-left corner.
        HitCase{ViewRect{}, {0, 0}, 0}, HitCase{ViewRect{}, {2, 3}, 0}));

TEST(HitTestCursor, EachCodeHasItsCursor) {
  EXPECT_EQ(cursorForHitCode(HitCode(7)), CursorShape::kDiagonalNwSe);
  EXPECT_EQ(cursorForHitCode(HitCode(3)), CursorShape::kDiagonalNwSe);
  EXPECT_EQ(cursorForHitCode(HitCode(9)), CursorShape::kDiagonalNeSw);
  EXPECT_EQ(cursorForHitCode(HitCode(1)), CursorShape::kDiagonalNeSw);
  EXPECT_EQ(cursorForHitCode(HitCode(8)), CursorShape::kVertical);
  EXPECT_EQ(cursorForHitCode(HitCode(2)), CursorShape::kVertical);
  EXPECT_EQ(cursorForHitCode(HitCode(4)), CursorShape::kHorizontal);
  EXPECT_EQ(cursorForHitCode(HitCode(6)), CursorShape::kHorizontal);
  EXPECT_EQ(cursorForHitCode(HitCode(5)), CursorShape::kMove);
  EXPECT_EQ(cursorForHitCode(HitCode(0)), CursorShape::kCross);
}

}  // namespace
}  // namespace trimlet

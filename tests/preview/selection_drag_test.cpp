// Drag steps of the selection: a new selection, a move, a resize.
#include "preview/model/selection_drag.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "preview/model/hit_test.h"
#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

// A 400 x 400 image exactly filling a 400 x 400 inner area: k = 1.
DragFrame unscaled(float r = 0.0f) { return {{1, 1, 401, 401}, 1.0, r, 400, 400}; }

// 1009 x 1000 in a 100 x 100 inner area: D is 100 x 99 and k (from the
// height) times D's width passes the image width.
DragFrame overshooting() { return {{1, 1, 101, 100}, 1000.0 / 99, 0.0f, 1009, 1000}; }

struct NewCase {
  const char* name;
  DragFrame frame;
  ViewPoint anchor, mouse;
  ViewPoint corner;
  CropRect crop;
};
void PrintTo(const NewCase& c, std::ostream* os) { *os << c.name; }

class NewSelection : public ::testing::TestWithParam<NewCase> {};

TEST_P(NewSelection, FollowsTheMouse) {
  const NewCase& c = GetParam();
  const NewSelectionStep step = dragNewSelection(c.frame, c.anchor, c.mouse);
  EXPECT_EQ(step.corner, c.corner);
  EXPECT_EQ(step.crop, c.crop);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewSelection,
    ::testing::Values(
        NewCase{"free", unscaled(), {100, 200}, {150, 260}, {150, 260}, {99, 199, 50, 60}},
        NewCase{
            "free up and left", unscaled(), {100, 200}, {40, 150}, {40, 150}, {39, 149, 60, 50}},
        NewCase{"clamped into D", unscaled(), {100, 200}, {500, -20}, {401, 1}, {99, 0, 301, 199}},
        // 4 : 3, 100 pixels to the right: 75 down or up with the mouse.
        NewCase{
            "ratio down", unscaled(0.75f), {100, 200}, {200, 210}, {200, 275}, {99, 199, 100, 75}},
        NewCase{"ratio level with the anchor goes down",
                unscaled(0.75f),
                {100, 200},
                {200, 200},
                {200, 275},
                {99, 199, 100, 75}},
        NewCase{
            "ratio up", unscaled(0.75f), {100, 200}, {200, 190}, {200, 125}, {99, 124, 100, 75}},
        NewCase{"ratio leftwards",
                unscaled(0.75f),
                {200, 200},
                {100, 300},
                {100, 275},
                {99, 199, 100, 75}},
        // The height would pass D's bottom: it stops there, the width follows
        // (21 / 0.75 = 28).
        NewCase{"ratio at the bottom",
                unscaled(0.75f),
                {100, 380},
                {200, 390},
                {128, 401},
                {99, 379, 28, 21}},
        // 60 to the left wants 45 up; only 19 fit, 19 / 0.75 = 25.3 back.
        NewCase{"ratio at the top", unscaled(0.75f), {100, 20}, {40, 0}, {75, 1}, {74, 0, 25, 19}},
        // Scaled: 1009 x 1000; 50 control pixels are 505 image pixels, and
        // 505 + 505 passes 1009, so the width is cut to 504 and the corner
        // taken back (51 + 504 / k = 100.9).
        NewCase{"cut back to the image",
                overshooting(),
                {51, 10},
                {200, 10},
                {100, 10},
                {505, 90, 504, 0}},
        // Anchored at D's right edge, X alone passes the image: never a
        // negative width.
        NewCase{"anchor past the image",
                overshooting(),
                {101, 10},
                {150, 10},
                {101, 10},
                {1010, 90, 0, 0}}),
    [](const ::testing::TestParamInfo<NewCase>& info) {
      std::string n = info.param.name;
      for (char& ch : n) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return n;
    });

TEST(MoveSelection, StaysInsideD) {
  const DragFrame f = unscaled();
  const Corners c{{100, 100}, {200, 200}};
  EXPECT_EQ(moveSelection(f, c, 201, 0), (Corners{{301, 100}, {401, 200}}));
  EXPECT_FALSE(moveSelection(f, c, 202, 0));
  EXPECT_EQ(moveSelection(f, c, -99, -99), (Corners{{1, 1}, {101, 101}}));
  EXPECT_FALSE(moveSelection(f, c, -100, 0));
  EXPECT_FALSE(moveSelection(f, c, 0, -100));
  EXPECT_FALSE(moveSelection(f, c, 0, 202));
}

TEST(MoveSelection, RefusesWhatPassesTheImageInImagePixels) {
  // Inside D, but 505 + 505 image pixels pass the width 1009.
  const DragFrame f = overshooting();
  EXPECT_FALSE(moveSelection(f, {{51, 10}, {101, 20}}, 0, 0));
  EXPECT_TRUE(moveSelection(f, {{50, 10}, {100, 20}}, 0, 0));
}

struct ResizeCase {
  const char* name;
  float r;
  HitCode code;
  int dx, dy;
  Corners expected;
};
void PrintTo(const ResizeCase& c, std::ostream* os) {
  *os << c.name << " (code " << static_cast<int>(c.code) << ", by " << c.dx << ", " << c.dy << ")";
}

class ResizeSelection : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeSelection, MovesTheGrabbedEdges) {
  const ResizeCase& c = GetParam();
  const Corners start{{100, 100}, {200, 200}};
  const ViewPoint last{150, 150};
  const ViewPoint mouse{last.x + c.dx, last.y + c.dy};
  const Corners got = resizeSelection(unscaled(c.r), c.code, start, mouse, last);
  EXPECT_EQ(got, c.expected);
  // Whatever happens, the selection keeps its orientation and stays in D.
  EXPECT_LE(got.p1.x, got.p2.x);
  EXPECT_LE(got.p1.y, got.p2.y);
  EXPECT_GE(got.p1.x, 1);
  EXPECT_GE(got.p1.y, 1);
  EXPECT_LE(got.p2.x, 401);
  EXPECT_LE(got.p2.y, 401);
}

const Corners kStart{{100, 100}, {200, 200}};

INSTANTIATE_TEST_SUITE_P(
    Free, ResizeSelection,
    ::testing::Values(
        ResizeCase{"right wider", 0, HitCode::kRight, 50, 0, {{100, 100}, {250, 200}}},
        ResizeCase{"right onto left refused", 0, HitCode::kRight, -100, 0, kStart},
        ResizeCase{"right past left refused, not mirrored", 0, HitCode::kRight, -150, 0, kStart},
        ResizeCase{"left up to one pixel", 0, HitCode::kLeft, 99, 0, {{199, 100}, {200, 200}}},
        ResizeCase{"top onto bottom refused", 0, HitCode::kTop, 0, 100, kStart},
        ResizeCase{"bottom taller", 0, HitCode::kBottom, 5, 30, {{100, 100}, {200, 230}}},
        // A corner moves both edges or neither.
        ResizeCase{"corner refused by x", 0, HitCode::kTopLeft, 100, 50, kStart},
        ResizeCase{"corner refused by y", 0, HitCode::kTopLeft, 50, 100, kStart},
        ResizeCase{"corner both", 0, HitCode::kTopLeft, 50, 60, {{150, 160}, {200, 200}}},
        ResizeCase{"top-right", 0, HitCode::kTopRight, 10, -10, {{100, 90}, {210, 200}}},
        ResizeCase{"bottom-left", 0, HitCode::kBottomLeft, -10, 10, {{90, 100}, {200, 210}}},
        ResizeCase{"kept inside D", 0, HitCode::kBottomRight, 300, 300, {{100, 100}, {401, 401}}},
        ResizeCase{"top kept inside D", 0, HitCode::kTop, 0, -150, {{100, 1}, {200, 200}}}));

INSTANTIATE_TEST_SUITE_P(
    Ratio, ResizeSelection,
    ::testing::Values(
        // r = 0.75: the height follows the width, or the width the height.
        ResizeCase{
            "right, height follows", 0.75f, HitCode::kRight, 100, 0, {{100, 100}, {300, 250}}},
        ResizeCase{
            "bottom, width follows", 0.75f, HitCode::kBottom, 0, 50, {{100, 100}, {300, 250}}},
        ResizeCase{
            "top-left, left follows", 0.75f, HitCode::kTopLeft, -40, -40, {{14, 60}, {200, 200}}},
        ResizeCase{"bottom-right stops at the right",
                   0.75f,
                   HitCode::kBottomRight,
                   300,
                   250,
                   {{100, 100}, {401, 325}}},
        // Dragging the right edge far out: both clamps apply, and the bottom
        // one must not widen the selection past D again.
        ResizeCase{
            "right stops at the right", 0.75f, HitCode::kRight, 400, 0, {{100, 100}, {401, 325}}},
        ResizeCase{
            "left stops at the left", 0.75f, HitCode::kLeft, -200, 0, {{1, 100}, {200, 249}}}));

TEST(ResizeSelectionScaled, GivesUpAPixelThatPassesTheImage) {
  // 1009 x 1000: x2 at D.right gives 505 + 505 > 1009, one pixel comes off.
  const Corners got =
      resizeSelection(overshooting(), HitCode::kRight, {{51, 10}, {90, 20}}, {80, 15}, {60, 15});
  EXPECT_EQ(got, (Corners{{51, 10}, {100, 20}}));
}

TEST(CropFromCorners, MeasuresFromD) {
  const DragFrame f{{1, 101, 401, 301}, 5.0, 0.0f, 2000, 1000};
  EXPECT_EQ(cropFromCorners(f, {{21, 111}, {121, 161}}), (CropRect{100, 50, 500, 250}));
}

}  // namespace
}  // namespace trimlet

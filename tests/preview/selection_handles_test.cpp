// The handles drawn on the selection outline and when each one shows.
#include "preview/model/selection_handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

using K = HandleKind;
constexpr ViewRect kD{10, 10, 210, 110};

std::vector<K> kinds(const std::vector<Handle>& handles) {
  std::vector<K> out;
  for (const Handle& h : handles) out.push_back(h.kind);
  return out;
}

TEST(SelectionHandles, SquaresSitOnTheEdgesAndCorners) {
  // Corners (50, 40) - (150, 80): midpoints 100, 60.
  const std::vector<Handle> handles = selectionHandles({50, 40}, {150, 80}, kD, true);
  const std::vector<Handle> expected = {
      {K::kTop, {98, 37, 103, 42}},       {K::kBottom, {98, 78, 103, 83}},
      {K::kLeft, {47, 58, 52, 63}},       {K::kRight, {148, 58, 153, 63}},
      {K::kTopLeft, {47, 37, 52, 42}},    {K::kTopRight, {148, 37, 153, 42}},
      {K::kBottomLeft, {47, 78, 52, 83}}, {K::kBottomRight, {148, 78, 153, 83}}};
  EXPECT_EQ(handles, expected);
  for (const Handle& h : handles) {
    EXPECT_EQ(h.square.width(), 5);
    EXPECT_EQ(h.square.height(), 5);
  }
}

struct HandleCase {
  const char* name;
  ViewPoint a, b;
  bool imageSeen;
  std::vector<K> expected;
};
void PrintTo(const HandleCase& c, std::ostream* os) { *os << c.name; }

class HandleConditions : public ::testing::TestWithParam<HandleCase> {};

TEST_P(HandleConditions, ShowOnlyTheHandlesThatFit) {
  const HandleCase& c = GetParam();
  EXPECT_EQ(kinds(selectionHandles(c.a, c.b, kD, c.imageSeen)), c.expected);
}

const std::vector<K> kSides = {K::kTop, K::kBottom, K::kLeft, K::kRight};
const std::vector<K> kAll = {K::kTop,     K::kBottom,   K::kLeft,       K::kRight,
                             K::kTopLeft, K::kTopRight, K::kBottomLeft, K::kBottomRight};

INSTANTIATE_TEST_SUITE_P(
    Cases, HandleConditions,
    ::testing::Values(
        HandleCase{"corners wait for a seen image", {50, 40}, {150, 80}, false, kSides},
        HandleCase{"corners in any order", {150, 80}, {50, 40}, true, kAll},
        HandleCase{
            "width 6 has no top or bottom", {50, 40}, {56, 80}, false, {K::kLeft, K::kRight}},
        HandleCase{"width 7 has them", {50, 40}, {57, 80}, false, kSides},
        HandleCase{
            "height 6 has no left or right", {50, 40}, {150, 46}, false, {K::kTop, K::kBottom}},
        // y1 = D.top + 3 is not enough room above; D.top + 4 is.
        HandleCase{"top at D.top + 3",
                   {50, 13},
                   {150, 80},
                   true,
                   {K::kBottom, K::kLeft, K::kRight, K::kBottomLeft, K::kBottomRight}},
        HandleCase{"top at D.top + 4", {50, 14}, {150, 80}, true, kAll},
        HandleCase{"right at D.right - 3",
                   {50, 40},
                   {207, 80},
                   true,
                   {K::kTop, K::kBottom, K::kLeft, K::kTopLeft, K::kBottomLeft}},
        HandleCase{"whole image", {10, 10}, {210, 110}, true, {}},
        HandleCase{"a corner at 0", {0, 40}, {150, 80}, true, {}},
        HandleCase{"no selection yet", {0, 0}, {0, 0}, true, {}}));

}  // namespace
}  // namespace trimlet

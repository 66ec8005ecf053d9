// Fitting the manual rectangle to the fixed ratio.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "engine/settings/crop_settings.h"

namespace trimlet {

void PrintTo(const CropRect& r, std::ostream* os) {
  *os << "(x " << r.x << ", y " << r.y << ", " << r.width << " x " << r.height << ")";
}

namespace {

struct RatioCase {
  const char* what;
  CropRect rect;
  float ratioWidth;
  float ratioHeight;
  int imageWidth;
  int imageHeight;
  CropRect expected;
};
void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.what; }

class FixedRatioFit : public ::testing::TestWithParam<RatioCase> {};

TEST_P(FixedRatioFit, GivesTheKnownRectangle) {
  const RatioCase c = GetParam();
  EXPECT_EQ(fitToFixedRatio(c.rect, c.ratioWidth, c.ratioHeight, c.imageWidth, c.imageHeight),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FixedRatioFit,
    ::testing::Values(
        RatioCase{"wide ratio fits: width from the height",
                  {1, 1, 10, 20},
                  2,
                  1,
                  100,
                  100,
                  {1, 1, 40, 20}},
        RatioCase{"wide ratio overhangs: width to the edge, height from it",
                  {71, 1, 10, 20},
                  2,
                  1,
                  100,
                  100,
                  {71, 1, 30, 15}},
        RatioCase{"tall ratio fits: height from the width",
                  {1, 1, 30, 5},
                  3,
                  4,
                  100,
                  100,
                  {1, 1, 30, 40}},
        RatioCase{"equal terms take the tall branch and overhang",
                  {5, 90, 30, 5},
                  1,
                  1,
                  100,
                  100,
                  {5, 90, 11, 11}},
        // Single-precision products: 7/3 x 27 is 62.99999 in floats, not 63.
        RatioCase{"wide product truncates in float", {1, 1, 5, 27}, 7, 3, 100, 100, {1, 1, 62, 27}},
        RatioCase{"tall product truncates in float", {1, 1, 27, 5}, 3, 7, 100, 100, {1, 1, 27, 62}},
        // 18 / 1.2f is 14.999999 in floats, not 15.
        RatioCase{"wide quotient truncates in float", {3, 1, 5, 20}, 6, 5, 20, 100, {3, 1, 18, 14}},
        RatioCase{"tall quotient truncates in float", {1, 3, 20, 5}, 5, 6, 100, 20, {1, 3, 14, 18}},
        RatioCase{"sizes below 1 become 1", {1, 1, 10, 0}, 2, 1, 100, 100, {1, 1, 1, 1}},
        RatioCase{
            "width beyond the image is clamped", {0, 1, 10, 60}, 2, 1, 100, 100, {0, 1, 100, 50}},
        RatioCase{"height beyond the image is clamped",
                  {1, 1, 10, 300},
                  2,
                  1,
                  1000,
                  100,
                  {1, 1, 600, 100}},
        RatioCase{"a rectangle starting past the edge still ends inside",
                  {150, 1, 10, 20},
                  2,
                  1,
                  100,
                  100,
                  {150, 1, 1, 1}}));

TEST(FixedRatioFit, DegenerateRatiosStayInsideTheImage) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float ratios[][2] = {{0, 0},   {1, 0},   {0, 1},          {inf, 1},       {1, inf},
                             {nan, 1}, {1, nan}, {3e38f, 1e-38f}, {1e-38f, 3e38f}};
  for (const auto& ratio : ratios) {
    const CropRect r = fitToFixedRatio({5, 5, 20, 30}, ratio[0], ratio[1], 64, 48);
    EXPECT_GE(r.width, 1) << ratio[0] << " : " << ratio[1];
    EXPECT_LE(r.width, 64) << ratio[0] << " : " << ratio[1];
    EXPECT_GE(r.height, 1) << ratio[0] << " : " << ratio[1];
    EXPECT_LE(r.height, 48) << ratio[0] << " : " << ratio[1];
    EXPECT_EQ(r.x, 5);
    EXPECT_EQ(r.y, 5);
  }
}

}  // namespace
}  // namespace trimlet

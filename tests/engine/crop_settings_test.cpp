// Normalisation, distribution to the sides, cut spin ranges and the gather.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "engine/settings/crop_settings.h"

namespace trimlet {
namespace {

// --- Filter size and noise threshold ---------------------------------------

struct FilterCase {
  int filterSize;
  int threshold;
  int expectedSize;
  int expectedThreshold;
};
void PrintTo(const FilterCase& c, std::ostream* os) {
  *os << "size " << c.filterSize << " threshold " << c.threshold << " -> size " << c.expectedSize
      << " threshold " << c.expectedThreshold;
}

class FilterNormalisation : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterNormalisation, SizeFirstThenThresholdAgainstTheNewSize) {
  const FilterCase c = GetParam();
  CropSettings s;
  s.filterSize = c.filterSize;
  s.noiseThreshold = c.threshold;
  const GatheredSettings g = gatherSettings(s);
  EXPECT_EQ(g.filterSize, c.expectedSize);
  EXPECT_EQ(g.noiseThreshold, c.expectedThreshold);
  EXPECT_EQ(s.filterSize, c.expectedSize);
  EXPECT_EQ(s.noiseThreshold, c.expectedThreshold);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FilterNormalisation,
    ::testing::Values(FilterCase{3, 6, 3, 6},  // defaults stay
                      FilterCase{8, 6, 9, 6},  // even in range: + 1
                      FilterCase{0, 6, 1, 1},  // <= 0 becomes 1, threshold then 1
                      FilterCase{-7, 6, 1, 1}, FilterCase{60, 6, 49, 6},  // above 49 becomes 49
                      FilterCase{49, 2500, 49, 2400},
                      FilterCase{48, 2401, 49, 2401},  // 49^2 survives
                      FilterCase{3, 12, 3, 8},         // above F^2: F^2 - 1
                      FilterCase{3, 9, 3, 9},          // F^2 itself survives
                      FilterCase{3, 10, 3, 8}, FilterCase{3, 0, 3, 0},
                      FilterCase{3, -4, 3, 1},  // negative becomes 1
                      FilterCase{1, 0, 1, 1},   // size 1: always 1
                      FilterCase{1, 500, 1, 1},
                      // The threshold is checked against the size already made
                      // odd: 80 fits 9 x 9 although it would not fit 8 x 8.
                      FilterCase{8, 80, 9, 80}, FilterCase{INT_MAX, INT_MAX, 49, 2400},
                      FilterCase{INT_MIN, INT_MIN, 1, 1}));

TEST(FilterNormalisation, RespectsAnotherLargestSize) {
  EXPECT_EQ(normaliseFilterSize(30, 25), 25);
  EXPECT_EQ(normaliseFilterSize(24, 25), 25);
  EXPECT_EQ(normaliseNoiseThreshold(INT_MAX, 46341), INT_MAX);  // F^2 beyond int: kept
}

// --- Tolerance ----------------------------------------------------------------

TEST(ToleranceNormalisation, ClampsToZeroToHundred) {
  EXPECT_EQ(normaliseTolerance(-1), 0);
  EXPECT_EQ(normaliseTolerance(0), 0);
  EXPECT_EQ(normaliseTolerance(57), 57);
  EXPECT_EQ(normaliseTolerance(100), 100);
  EXPECT_EQ(normaliseTolerance(101), 100);
  EXPECT_EQ(normaliseTolerance(INT_MIN), 0);
}

// --- Cut value and its distribution -----------------------------------------

struct CutCase {
  EdgeType edgeType;
  CutType cutType;
  CutDirection cutDirection;
  int inwardLimit;
  int cutValue;
  int expectedValue;
  SideAmounts expectedSides;
};
void PrintTo(const CutCase& c, std::ostream* os) {
  static const char* kSides[] = {"All", "Left", "Right", "Top", "Bottom"};
  const int side = toInt(c.edgeType);
  *os << (side >= 0 && side <= 4 ? kSides[side] : "edge ?") << ", "
      << (c.cutType == CutType::kPercent ? "percent" : "pixels") << ", "
      << (c.cutDirection == CutDirection::kInward ? "inward" : "outward") << ", limit "
      << c.inwardLimit << ", value " << c.cutValue << " -> " << c.expectedValue << " (L R T B "
      << c.expectedSides.left << " " << c.expectedSides.right << " " << c.expectedSides.top << " "
      << c.expectedSides.bottom << ")";
}

class CutNormalisation : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutNormalisation, NormalisedValueGoesToTheNamedSides) {
  const CutCase c = GetParam();
  CropSettings s;
  s.edgeType = c.edgeType;
  s.cutType = c.cutType;
  s.cutDirection = c.cutDirection;
  s.inwardCutLimit = c.inwardLimit;
  s.cutValue = c.cutValue;
  s.cutLeft = s.cutRight = s.cutTop = s.cutBottom = 77;  // stale values are replaced
  const GatheredSettings g = gatherSettings(s);
  EXPECT_EQ(g.cutValue, c.expectedValue);
  EXPECT_EQ(s.cutValue, c.expectedValue);
  EXPECT_EQ(g.cutLeft, c.expectedSides.left);
  EXPECT_EQ(g.cutRight, c.expectedSides.right);
  EXPECT_EQ(g.cutTop, c.expectedSides.top);
  EXPECT_EQ(g.cutBottom, c.expectedSides.bottom);
  EXPECT_EQ(s.cutLeft, c.expectedSides.left);
  EXPECT_EQ(s.cutBottom, c.expectedSides.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CutNormalisation,
    ::testing::Values(
        CutCase{
            EdgeType::kTop, CutType::kPercent, CutDirection::kOutward, 0, 30, 30, {0, 0, 30, 0}},
        CutCase{
            EdgeType::kTop, CutType::kPercent, CutDirection::kInward, 0, 150, 100, {0, 0, 100, 0}},
        CutCase{EdgeType::kAll,
                CutType::kPercent,
                CutDirection::kOutward,
                0,
                100,
                100,
                {100, 100, 100, 100}},
        CutCase{
            EdgeType::kAll, CutType::kPixels, CutDirection::kInward, 40, 55, 40, {40, 40, 40, 40}},
        CutCase{
            EdgeType::kAll, CutType::kPixels, CutDirection::kOutward, 40, 55, 55, {55, 55, 55, 55}},
        CutCase{EdgeType::kLeft,
                CutType::kPixels,
                CutDirection::kOutward,
                0,
                5000,
                5000,
                {5000, 0, 0, 0}},
        CutCase{
            EdgeType::kRight, CutType::kPixels, CutDirection::kInward, 40, 40, 40, {0, 40, 0, 0}},
        CutCase{EdgeType::kBottom, CutType::kPixels, CutDirection::kInward, 0, 3, 0, {0, 0, 0, 0}},
        CutCase{EdgeType::kBottom, CutType::kPixels, CutDirection::kOutward, 0, 3, 3, {0, 0, 0, 3}},
        CutCase{EdgeType::kLeft, CutType::kPercent, CutDirection::kOutward, 0, -5, 0, {0, 0, 0, 0}},
        CutCase{EdgeType::kAll, CutType::kPixels, CutDirection::kInward, -8, 10, 0, {0, 0, 0, 0}},
        // An edge type out of range names no side.
        CutCase{static_cast<EdgeType>(9),
                CutType::kPixels,
                CutDirection::kOutward,
                0,
                12,
                12,
                {0, 0, 0, 0}}));

TEST(CutDistribution, FollowsAnEdgeTypeChangeWithoutNormalising) {
  CropSettings s;
  s.cutValue = 25;
  s.edgeType = EdgeType::kAll;
  applyCutDistribution(s);
  EXPECT_EQ(s.cutLeft + s.cutRight + s.cutTop + s.cutBottom, 100);
  s.edgeType = EdgeType::kRight;
  applyCutDistribution(s);
  EXPECT_EQ(s.cutLeft, 0);
  EXPECT_EQ(s.cutRight, 25);
  EXPECT_EQ(s.cutTop, 0);
  EXPECT_EQ(s.cutBottom, 0);
}

// --- Spin range of the cut value ---------------------------------------------

TEST(CutSpinRange, DependsOnUnitAndDirection) {
  const SpinRange atStart;
  EXPECT_EQ(atStart.low, 0);
  EXPECT_EQ(atStart.high, 100);
  EXPECT_EQ(cutSpinRange(CutType::kPercent, CutDirection::kInward, 40).high, 100);
  EXPECT_EQ(cutSpinRange(CutType::kPercent, CutDirection::kOutward, 40).high, 100);
  EXPECT_EQ(cutSpinRange(CutType::kPixels, CutDirection::kInward, 40).high, 40);
  EXPECT_EQ(cutSpinRange(CutType::kPixels, CutDirection::kInward, 0).high, 0);
  EXPECT_EQ(cutSpinRange(CutType::kPixels, CutDirection::kOutward, 40).high, 1000);
  EXPECT_EQ(cutSpinRange(CutType::kPixels, CutDirection::kInward, 40).low, 0);
  // The control holds 16-bit bounds; a negative limit counts as 0.
  EXPECT_EQ(cutSpinRange(CutType::kPixels, CutDirection::kInward, 0x12345).high, 0x2345);
  EXPECT_EQ(cutSpinRange(CutType::kPixels, CutDirection::kInward, -3).high, 0);
}

TEST(InwardCutLimit, NegativeBecomesZero) {
  EXPECT_EQ(normaliseInwardCutLimit(-1), 0);
  EXPECT_EQ(normaliseInwardCutLimit(0), 0);
  EXPECT_EQ(normaliseInwardCutLimit(149), 149);
}

// --- The gather --------------------------------------------------------------

TEST(Gather, HandsOverEveryComparedField) {
  CropSettings s;
  s.tolerance = 130;
  s.filterSize = 4;
  s.noiseThreshold = 30;
  s.cutValue = 12;
  s.edgeType = EdgeType::kLeft;
  s.cutType = CutType::kPixels;
  s.cutDirection = CutDirection::kOutward;
  s.fillColor = Rgb{1, 2, 3};
  s.backgroundColor = Rgb{4, 5, 6};
  s.fixedColor = Rgb{7, 8, 9};
  s.additive = 1;
  s.autoRotate = 1;
  s.regularRectangle = 1;
  s.splitPhotos = 1;
  s.minPhotoPercent = 250;
  s.honourOrientation = 0;
  const GatheredSettings g = gatherSettings(s);
  EXPECT_EQ(g.tolerance, 100);
  EXPECT_EQ(g.filterSize, 5);
  EXPECT_EQ(g.noiseThreshold, 24);
  EXPECT_EQ(g.cutValue, 12);
  EXPECT_EQ(g.cutLeft, 12);
  EXPECT_EQ(g.edgeType, EdgeType::kLeft);
  EXPECT_EQ(g.cutType, CutType::kPixels);
  EXPECT_EQ(g.cutDirection, CutDirection::kOutward);
  EXPECT_EQ(g.fillColor, (Rgb{1, 2, 3}));
  EXPECT_EQ(g.backgroundColor, (Rgb{4, 5, 6}));
  EXPECT_EQ(g.fixedColor, (Rgb{7, 8, 9}));
  EXPECT_EQ(g.additive, 1);
  EXPECT_EQ(g.autoRotate, 1);
  EXPECT_EQ(g.regularRectangle, 1);
  EXPECT_EQ(g.splitPhotos, 1);
  EXPECT_EQ(g.minPhotoPercent, 100);
  EXPECT_EQ(s.minPhotoPercent, 100);
  EXPECT_EQ(g.honourOrientation, 0);
  // A second gather of the normalised values hands over the same copy.
  EXPECT_EQ(gatherSettings(s), g);
}

TEST(Gather, ComparisonSeesEveryField) {
  const GatheredSettings base;
  auto changed = [&](auto mutate) {
    GatheredSettings other = base;
    mutate(other);
    return other != base;
  };
  EXPECT_FALSE(changed([](GatheredSettings&) {}));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.tolerance = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.filterSize = 5; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.noiseThreshold = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutValue = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutLeft = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutRight = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutTop = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutBottom = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.edgeType = EdgeType::kRight; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutType = CutType::kPercent; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.cutDirection = CutDirection::kInward; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.fillColor.blue = 0; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.additive = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.backgroundColor.red = 0; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.fixedColor.green = 0; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.autoRotate = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.regularRectangle = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.splitPhotos = 1; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.minPhotoPercent = 5; }));
  EXPECT_TRUE(changed([](GatheredSettings& g) { g.honourOrientation = 0; }));
}

TEST(Gather, TheSmallestPhotoIsAPercentage) {
  EXPECT_EQ(normaliseMinPhotoPercent(-3), 0);
  EXPECT_EQ(normaliseMinPhotoPercent(0), 0);
  EXPECT_EQ(normaliseMinPhotoPercent(57), 57);
  EXPECT_EQ(normaliseMinPhotoPercent(101), 100);
}

}  // namespace
}  // namespace trimlet

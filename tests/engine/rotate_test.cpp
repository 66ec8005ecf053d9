#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "engine/geometry/mirror.h"
#include "engine/geometry/rotate.h"
#include "engine/image/color.h"
#include "tests/engine/geometry_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::patternImage;
using test::SameImage;

struct PlanCase {
  double degrees;
  int quarters;
  double remaining;
};
void PrintTo(const PlanCase& c, std::ostream* os) {
  *os << c.degrees << " degrees -> " << c.quarters << " quarter turns + " << c.remaining;
}

class RotationPlanTable : public ::testing::TestWithParam<PlanCase> {};

TEST_P(RotationPlanTable, SplitsIntoQuarterTurnsAndRemainder) {
  const PlanCase c = GetParam();
  const RotationPlan plan = planRotation(c.degrees);
  EXPECT_EQ(plan.quarterTurns, c.quarters);
  EXPECT_EQ(plan.remaining, c.remaining);  // exact: the same double arithmetic
}

INSTANTIATE_TEST_SUITE_P(
    Angles, RotationPlanTable,
    ::testing::Values(PlanCase{0, 0, 0}, PlanCase{10, 0, 10}, PlanCase{45, 0, 45},
                      PlanCase{45.001, 1, 45.001 - 90}, PlanCase{90, 1, 0}, PlanCase{135, 1, 45},
                      PlanCase{135.5, 2, 135.5 - 180}, PlanCase{180, 2, 0}, PlanCase{225, 2, 45},
                      PlanCase{270, 3, 0}, PlanCase{315, 3, 45}, PlanCase{315.5, 0, 315.5 - 360},
                      PlanCase{350, 0, -10}, PlanCase{360, 0, 0}, PlanCase{-360, 0, 0},
                      PlanCase{-10, 0, -10}, PlanCase{720.5, 0, 0.5}, PlanCase{-90, 3, 0},
                      PlanCase{10000, 3, 10}, PlanCase{-10000, 1, -10}));

TEST(RotationPlan, HugeAnglesEndInRange) {
  for (double degrees : {1e300, -1e300, 1e17, 123456789.25}) {
    const RotationPlan plan = planRotation(degrees);
    EXPECT_LE(std::fabs(plan.remaining), 45.0) << degrees;
  }
  EXPECT_EQ(planRotation(360.0 * 100000 + 30).remaining, 30.0);
}

struct TurnCase {
  int quarters, channels, width, height;
};
void PrintTo(const TurnCase& c, std::ostream* os) {
  *os << c.quarters * 90 << " degrees, " << c.width << " x " << c.height << " x " << c.channels;
}

class QuarterTurnMapping : public ::testing::TestWithParam<TurnCase> {};

// Every pixel lands exactly where the rule puts it (rows counted upward).
TEST_P(QuarterTurnMapping, MovesEveryPixelExactly) {
  const TurnCase c = GetParam();
  const ImageBuffer source = patternImage(c.width, c.height, c.channels, 5);
  auto turned = quarterTurn(source, c.quarters);
  ASSERT_TRUE(turned.ok()) << turned.reason();
  const int W = c.width, H = c.height;
  const bool swaps = c.quarters % 2 == 1;
  ASSERT_EQ(turned->width(), swaps ? H : W);
  ASSERT_EQ(turned->height(), swaps ? W : H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      int tx = x, ty = y;
      if (c.quarters == 1) tx = y, ty = W - 1 - x;
      if (c.quarters == 2) tx = W - 1 - x, ty = H - 1 - y;
      if (c.quarters == 3) tx = H - 1 - y, ty = x;
      ASSERT_EQ(test::pixelAt(*turned, tx, ty), test::pixelAt(source, x, y))
          << "source column " << x << ", row " << y;
    }
  // The whole entry turns the same way, with no blending, either switch.
  if (c.channels == 4)
    for (bool blend : {false, true}) {
      auto rotated = rotateImage(source, c.quarters * 90.0, 0x00FFFFFFu, blend);
      ASSERT_TRUE(rotated.ok());
      EXPECT_TRUE(SameImage(*turned, *rotated));
    }
}

INSTANTIATE_TEST_SUITE_P(Turns, QuarterTurnMapping,
                         ::testing::Values(TurnCase{0, 4, 5, 3}, TurnCase{1, 4, 5, 3},
                                           TurnCase{2, 4, 5, 3}, TurnCase{3, 4, 5, 3},
                                           TurnCase{1, 3, 4, 7}, TurnCase{3, 1, 2, 6},
                                           TurnCase{2, 3, 1, 1}, TurnCase{1, 4, 1, 9}));

TEST(Rotate, HalfTurnIsAPointMirror) {
  const ImageBuffer source = patternImage(7, 4, 4, 2);
  auto rotated = rotateImage(source, 180, 0, false);
  auto flipped = mirrorLeftRight(source);
  auto mirrored = mirrorTopBottom(*flipped);
  ASSERT_TRUE(rotated.ok() && mirrored.ok());
  EXPECT_TRUE(SameImage(*mirrored, *rotated));
}

class RotateByFullTurns : public ::testing::TestWithParam<double> {};

TEST_P(RotateByFullTurns, GivesAnIdenticalCopy) {
  const ImageBuffer source = patternImage(6, 5, 4, 9);
  auto rotated = rotateImage(source, GetParam(), 0x00FFFFFFu, false);
  ASSERT_TRUE(rotated.ok());
  EXPECT_TRUE(SameImage(source, *rotated));
  EXPECT_NE(rotated->data(), source.data());
}

INSTANTIATE_TEST_SUITE_P(Angles, RotateByFullTurns, ::testing::Values(0.0, 360.0, -360.0, 720.0));

// Where the opaque pixels of the picture's top row lie, as a share of the width.
double topRowCentre(const ImageBuffer& image) {
  for (int y = image.height() - 1; y >= 0; --y) {
    double sum = 0;
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
      if (image.at(x, y)[3] > 128) sum += x, ++count;
    if (count) return sum / count / image.width();
  }
  return -1;
}

TEST(Rotate, TenDegreesGivesTheDescribedSizeWithBackgroundCorners) {
  const Rgb fixedColor{10, 200, 30};
  const ImageBuffer source = test::solidImage(100, 50, {90, 90, 90, 255});
  for (double degrees : {10.0, 350.0, -10.0}) {
    SCOPED_TRACE(degrees);
    auto rotated = rotateImage(source, degrees, fixedColor.packed(), false);
    ASSERT_TRUE(rotated.ok()) << rotated.reason();
    EXPECT_EQ(rotated->width(), 108);
    EXPECT_EQ(rotated->height(), 67);
    const std::vector<uint8_t> background = {10, 200, 30, 0};
    EXPECT_EQ(test::pixelAt(*rotated, 0, 0), background);
    EXPECT_EQ(test::pixelAt(*rotated, 107, 0), background);
    EXPECT_EQ(test::pixelAt(*rotated, 0, 66), background);
    EXPECT_EQ(test::pixelAt(*rotated, 107, 66), background);
    EXPECT_EQ(test::pixelAt(*rotated, 54, 33), (std::vector<uint8_t>{90, 90, 90, 255}));
    // Clockwise lifts the top-left corner, so the top of the result leans left;
    // 350 turns the other way.
    if (degrees > 0 && degrees < 180)
      EXPECT_LT(topRowCentre(*rotated), 0.5);
    else
      EXPECT_GT(topRowCentre(*rotated), 0.5);
  }
  auto same = rotateImage(source, 350, fixedColor.packed(), false);
  auto negative = rotateImage(source, -10, fixedColor.packed(), false);
  EXPECT_TRUE(SameImage(*same, *negative));
}

TEST(Rotate, FortyFiveUsesTheShearsAloneAndJustAboveTurnsFirst) {
  const ImageBuffer source = patternImage(9, 5, 4, 4);
  auto at45 = rotateImage(source, 45, 0x00123456u, false);
  auto shears45 = shearRotate(source, 45, 0x00123456u, false);
  ASSERT_TRUE(at45.ok() && shears45.ok());
  EXPECT_TRUE(SameImage(*shears45, *at45));

  auto above = rotateImage(source, 45.001, 0x00123456u, true);
  auto turned = quarterTurn(source, 1);
  auto expected = shearRotate(*turned, 45.001 - 90, 0x00123456u, true);
  ASSERT_TRUE(above.ok() && expected.ok());
  EXPECT_TRUE(SameImage(*expected, *above));
}

// One pixel at 10 degrees: W1 = 1, H2 = W2 = 2. Without edge blending every
// shear repeats it; with edge blending the first shear takes off the left part
// trunc(f x byte), f = t / 2 = 0.04374..., and the rest is background.
TEST(ShearRotate, SinglePixelKnownAnswer) {
  const ImageBuffer pixel = test::solidImage(1, 1, {100, 100, 100, 255});
  auto plain = shearRotate(pixel, 10, 0, false);
  ASSERT_TRUE(plain.ok());
  EXPECT_TRUE(SameImage(test::solidImage(2, 2, {100, 100, 100, 255}), *plain));
  auto blended = shearRotate(pixel, 10, 0, true);
  ASSERT_TRUE(blended.ok());
  EXPECT_TRUE(SameImage(
      test::imageFromTopRows(2, 4, {{0, 0, 0, 0, 0, 0, 0, 0}, {96, 96, 96, 244, 0, 0, 0, 0}}),
      *blended));
}

struct ShearCase {
  double degrees;
  bool blend;
};
void PrintTo(const ShearCase& c, std::ostream* os) {
  *os << c.degrees << " degrees" << (c.blend ? ", edge blending" : "");
}

class RotateAgainstReference : public ::testing::TestWithParam<ShearCase> {};

// The whole entry against the three literal passes on small random images.
TEST_P(RotateAgainstReference, RandomImages) {
  const ShearCase c = GetParam();
  std::mt19937 random(static_cast<uint32_t>(c.degrees * 1000 + 17));
  for (int trial = 0; trial < 12; ++trial) {
    const int w = std::uniform_int_distribution<int>(1, 14)(random);
    const int h = std::uniform_int_distribution<int>(1, 14)(random);
    const ImageBuffer source = patternImage(w, h, 4, random());
    const uint32_t background = random() & 0x00FFFFFFu;
    const RotationPlan plan = planRotation(c.degrees);
    auto turned = quarterTurn(source, plan.quarterTurns);
    const ImageBuffer expected =
        test::referenceShearRotate(*turned, plan.remaining, background, c.blend);
    auto actual = rotateImage(source, c.degrees, background, c.blend);
    ASSERT_TRUE(actual.ok()) << actual.reason();
    ASSERT_TRUE(SameImage(expected, *actual)) << w << " x " << h;
  }
}

INSTANTIATE_TEST_SUITE_P(Angles, RotateAgainstReference,
                         ::testing::Values(ShearCase{10, false}, ShearCase{10, true},
                                           ShearCase{-7.25, false}, ShearCase{-7.25, true},
                                           ShearCase{45, false}, ShearCase{-45, true},
                                           ShearCase{0.001, false}, ShearCase{33.3, true},
                                           ShearCase{100, false}, ShearCase{100, true},
                                           ShearCase{200.5, false}, ShearCase{251, true},
                                           ShearCase{300, false}, ShearCase{359.9, true}));

TEST(Rotate, RandomAnglesAgainstReference) {
  std::mt19937 random(2024);
  for (int trial = 0; trial < 60; ++trial) {
    const double degrees = std::uniform_real_distribution<double>(-720, 720)(random);
    const bool blend = trial % 2 == 1;
    const ImageBuffer source = patternImage(1 + trial % 11, 1 + trial % 7, 4, trial);
    const RotationPlan plan = planRotation(degrees);
    if (plan.remaining == 0) continue;
    auto turned = quarterTurn(source, plan.quarterTurns);
    auto actual = rotateImage(source, degrees, 0x00808080u, blend);
    ASSERT_TRUE(actual.ok());
    ASSERT_TRUE(
        SameImage(test::referenceShearRotate(*turned, plan.remaining, 0x00808080u, blend), *actual))
        << degrees << " degrees";
  }
}

// Images large enough for many column blocks and long steady runs.
TEST(Rotate, LargerImagesAgainstReference) {
  const struct {
    int width, height;
    double degrees;
    bool blend;
  } cases[] = {
      {150, 1030, 10, false}, {257, 63, -30, true}, {1030, 40, 100, false}, {97, 211, 313.7, true}};
  for (const auto& c : cases) {
    const ImageBuffer source = patternImage(c.width, c.height, 4, c.width);
    const RotationPlan plan = planRotation(c.degrees);
    auto turned = quarterTurn(source, plan.quarterTurns);
    auto actual = rotateImage(source, c.degrees, 0x00405060u, c.blend);
    ASSERT_TRUE(actual.ok());
    EXPECT_TRUE(SameImage(test::referenceShearRotate(*turned, plan.remaining, 0x00405060u, c.blend),
                          *actual))
        << c.width << " x " << c.height << " by " << c.degrees;
  }
}

// The shears on their own accept any angle: steep ones either work or are
// refused with a reason, never touching memory outside the buffers.
TEST(ShearRotate, SteepAnglesAreSafe) {
  const ImageBuffer source = patternImage(13, 7, 4, 6);
  for (double degrees : {80.0, -89.0, 95.0, 135.0, -170.0, 260.0, 1e6}) {
    auto rotated = shearRotate(source, degrees, 0, degrees > 100);
    if (!rotated.ok()) {
      EXPECT_FALSE(rotated.reason().empty()) << degrees;
    }
  }
}

TEST(Rotate, LeavesTheInputUntouched) {
  const ImageBuffer source = patternImage(20, 11, 4, 3);
  auto before = source.clone();
  ASSERT_TRUE(rotateImage(source, 33, 0, true).ok());
  ASSERT_TRUE(rotateImage(source, 123, 0, false).ok());
  EXPECT_TRUE(SameImage(*before, source));
}

TEST(Rotate, RefusesWhatItCannotRotate) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(rotateImage(ImageBuffer(), 10, 0, false).ok());
  EXPECT_FALSE(rotateImage(patternImage(3, 3, 3), 10, 0, false).ok());
  auto notANumber = rotateImage(patternImage(3, 3, 4), nan, 0, false);
  EXPECT_FALSE(notANumber.ok());
  EXPECT_FALSE(notANumber.reason().empty());
  EXPECT_FALSE(rotateImage(patternImage(3, 3, 4), inf, 0, false).ok());
  EXPECT_FALSE(shearRotate(patternImage(3, 3, 4), nan, 0, false).ok());
  // Near a half turn the first shear would need an endless width.
  EXPECT_FALSE(shearRotate(patternImage(3, 3, 4), 179.9999999999, 0, false).ok());
  EXPECT_FALSE(quarterTurn(ImageBuffer(), 1).ok());
}

}  // namespace
}  // namespace trimlet

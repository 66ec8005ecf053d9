// The fast rotation paths (bands and tiles, quarter-turn views, two threads)
// held byte for byte against the literal rules of geometry_reference.h.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/geometry/quarter_view.h"
#include "engine/geometry/rotate.h"
#include "engine/geometry/rotate_workers.h"
#include "engine/geometry/shear_passes.h"
#include "tests/engine/geometry_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::patternImage;
using test::SameImage;

struct Size {
  int width, height;
};

// Small and odd sizes, lines, a single pixel; and sizes that span several
// bands of rows and several blocks of columns.
const Size kSmallSizes[] = {{1, 1}, {1, 6}, {7, 1}, {2, 2}, {13, 9}, {64, 3}};
const Size kLargeSizes[] = {{260, 150}, {101, 433}, {700, 40}};

class RotatePathsAgainstReference : public ::testing::TestWithParam<double> {};

// Each angle on every size, with and without edge blending, on one thread
// through the public entry and on two through the shears directly (which
// split any image).
TEST_P(RotatePathsAgainstReference, EverySizeBlendingAndThreadCount) {
  const double degrees = GetParam();
  const RotationPlan plan = planRotation(degrees);
  std::vector<Size> sizes(std::begin(kSmallSizes), std::end(kSmallSizes));
  sizes.insert(sizes.end(), std::begin(kLargeSizes), std::end(kLargeSizes));
  for (const Size& size : sizes)
    for (bool blend : {false, true}) {
      SCOPED_TRACE(::testing::Message() << degrees << " degrees, " << size.width << " x "
                                        << size.height << (blend ? ", edge blending" : ""));
      const ImageBuffer source =
          patternImage(size.width, size.height, 4, size.width * 31 + size.height);
      const uint32_t background = blend ? 0u : 0x00A0B0C0u;
      const ImageBuffer expected = test::referenceRotate(source, degrees, background, blend);
      auto one = rotateImageWithWorkers(source, degrees, background, blend, 1);
      ASSERT_TRUE(one.ok()) << one.reason();
      ASSERT_TRUE(SameImage(expected, *one)) << "one thread";
      if (plan.remaining == 0) continue;
      auto two =
          geometry_detail::shearRotateView(geometry_detail::quarterView(source, plan.quarterTurns),
                                           plan.remaining, background, blend, 2);
      ASSERT_TRUE(two.ok()) << two.reason();
      ASSERT_TRUE(SameImage(expected, *two)) << "two threads";
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatePathsAgainstReference,
                         ::testing::Values(10.0, -10.0, 1.0, -1.0, 33.3, -27.25, 45.0, -45.0,
                                           44.99999, 45.000001, 89.9999, 90.0001, 90.0, 134.5,
                                           135.0, 179.99, 180.0, 180.01, 225.0, 269.5, 270.0, 316.0,
                                           359.9999, 0.0001, -0.0001,
                                           // Angles so small that whole lines have the weight 1,
                                           // which has no multiplier and goes through the table.
                                           1e-30, -1e-30, 10000.0, -10000.0, 10000.5));

// Steep angles on the shears alone (no quarter turn first) take the same
// paths with offsets that move by up to a whole pixel per column.
TEST(ShearPaths, SteepAnglesAgainstReference) {
  const ImageBuffer source = patternImage(97, 71, 4, 8);
  for (double degrees : {60.0, -80.0, 89.5, 100.0, -120.0})
    for (int workers : {1, 2}) {
      SCOPED_TRACE(::testing::Message() << degrees << " degrees, " << workers << " threads");
      auto actual = geometry_detail::shearRotateView(geometry_detail::quarterView(source, 0),
                                                     degrees, 0x00102030u, workers == 2, workers);
      ASSERT_TRUE(actual.ok()) << actual.reason();
      EXPECT_TRUE(SameImage(test::referenceShearRotate(source, degrees, 0x00102030u, workers == 2),
                            *actual));
    }
}

// Above a megapixel the public entries use two threads on their own; the
// bytes are the same as with one.
TEST(RotateThreads, LargeImageSameWithOneOrTwoThreads) {
  const ImageBuffer source = patternImage(1203, 901, 4, 77);
  const struct {
    double degrees;
    bool blend;
  } cases[] = {{10, false}, {-3.5, true}, {100, true}, {180, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.degrees << " degrees");
    auto one = rotateImageWithWorkers(source, c.degrees, 0x00FFFFFFu, c.blend, 1);
    auto two = rotateImage(source, c.degrees, 0x00FFFFFFu, c.blend);
    ASSERT_TRUE(one.ok() && two.ok());
    EXPECT_TRUE(SameImage(*one, *two));
  }
}

TEST(RotateThreads, LargeImageAgainstReference) {
  const ImageBuffer source = patternImage(1100, 960, 4, 3);
  auto actual = rotateImageWithWorkers(source, -7.5, 0x00336699u, true, 2);
  ASSERT_TRUE(actual.ok());
  EXPECT_TRUE(SameImage(test::referenceRotate(source, -7.5, 0x00336699u, true), *actual));
}

struct TurnCase {
  int quarters, channels, width, height, workers;
};
void PrintTo(const TurnCase& c, std::ostream* os) {
  *os << c.quarters * 90 << " degrees, " << c.width << " x " << c.height << " x " << c.channels
      << ", up to " << c.workers << " threads";
}

class QuarterTurnPaths : public ::testing::TestWithParam<TurnCase> {};

TEST_P(QuarterTurnPaths, AgainstTheMapping) {
  const TurnCase c = GetParam();
  const ImageBuffer source = patternImage(c.width, c.height, c.channels, c.width + c.quarters);
  auto turned = quarterTurnWithWorkers(source, c.quarters, c.workers);
  ASSERT_TRUE(turned.ok()) << turned.reason();
  EXPECT_TRUE(SameImage(test::referenceQuarterTurn(source, c.quarters), *turned));
}

// Sizes across the copy's tiles, odd sizes, lines, one pixel, and images
// large enough to be split between two threads.
INSTANTIATE_TEST_SUITE_P(
    Turns, QuarterTurnPaths,
    ::testing::Values(TurnCase{1, 4, 33, 70, 1}, TurnCase{3, 4, 70, 33, 1},
                      TurnCase{2, 4, 65, 31, 1}, TurnCase{1, 3, 47, 95, 1},
                      TurnCase{3, 1, 95, 47, 1}, TurnCase{2, 2, 17, 5, 1}, TurnCase{1, 4, 1, 1, 1},
                      TurnCase{3, 3, 1, 40, 1}, TurnCase{2, 1, 40, 1, 1}, TurnCase{-1, 4, 9, 4, 1},
                      TurnCase{5, 4, 9, 4, 1}, TurnCase{0, 3, 9, 4, 1},
                      TurnCase{1, 4, 1031, 1025, 2}, TurnCase{2, 3, 1025, 1031, 2},
                      TurnCase{3, 4, 1025, 1031, 2}, TurnCase{1, 1, 2001, 600, 2}));

}  // namespace
}  // namespace trimlet

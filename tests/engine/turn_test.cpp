// Turning for straightening: where a point lands must agree with the
// rotation engine itself, the bed colour must survive the turn, and the box
// helpers must pull in only what they should.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "engine/detect/turn.h"
#include "engine/geometry/rotate.h"
#include "tests/engine/detector_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct LandingCase {
  double degrees;
  int x;
  int y;
};
void PrintTo(const LandingCase& c, std::ostream* os) {
  *os << "pixel (" << c.x << ", " << c.y << ") turned by " << c.degrees;
}

class TurnedPosition : public ::testing::TestWithParam<LandingCase> {};

// A dark pixel on white is turned by the engine; the middle of the darkness
// it leaves must be where turnedPosition puts the pixel's centre.
TEST_P(TurnedPosition, AgreesWithTheRotationEngine) {
  const LandingCase c = GetParam();
  const int width = 61, height = 43;
  const ImageBuffer image = test::pictureWithDots(width, height, {{c.x, c.y}});
  auto turned = turnImage(image, c.degrees, Rgb{255, 255, 255}, false);
  ASSERT_TRUE(turned.ok()) << turned.reason();
  double sum = 0, sumX = 0, sumY = 0;
  for (int y = 0; y < turned->height(); ++y) {
    for (int x = 0; x < turned->width(); ++x) {
      const double ink = 255.0 - turned->at(x, y)[0];
      sum += ink;
      sumX += ink * (x + 0.5);
      sumY += ink * (y + 0.5);
    }
  }
  ASSERT_GT(sum, 0);
  double x = 0, y = 0;
  turnedPosition(width, height, c.degrees, c.x + 0.5, c.y + 0.5, &x, &y);
  EXPECT_NEAR(x, sumX / sum, 0.35);
  EXPECT_NEAR(y, sumY / sum, 0.35);
}

INSTANTIATE_TEST_SUITE_P(Table, TurnedPosition,
                         ::testing::Values(LandingCase{0, 7, 9}, LandingCase{0.4, 50, 30},
                                           LandingCase{-3.5, 10, 35}, LandingCase{10, 5, 5},
                                           LandingCase{-10, 55, 3}, LandingCase{30, 30, 20},
                                           LandingCase{-44, 58, 40}, LandingCase{45, 20, 38}));

TEST(TurnImage, KeepsTheBedAndTheChannels) {
  // A white page turned over white stays white everywhere: the rotation
  // engine's edge blending (which blends with black) is not used over white.
  auto white = turnImage(test::solidImage(40, 30, {255, 255, 255}), 7, Rgb{255, 255, 255}, true);
  ASSERT_TRUE(white.ok());
  EXPECT_EQ(white->channels(), 3);
  for (int y = 0; y < white->height(); ++y) {
    for (int x = 0; x < white->width(); ++x) {
      ASSERT_EQ(test::pixelAt(*white, x, y), (std::vector<uint8_t>{255, 255, 255}))
          << "at (" << x << ", " << y << ")";
    }
  }
  // Four channels keep their alpha; the uncovered corners are transparent.
  auto four = turnImage(test::solidImage(40, 30, {10, 20, 30, 255}), 7, Rgb{1, 2, 3}, true);
  ASSERT_TRUE(four.ok());
  EXPECT_EQ(four->channels(), 4);
  EXPECT_EQ(test::pixelAt(*four, 0, 0), (std::vector<uint8_t>{1, 2, 3, 0}));
  EXPECT_EQ(test::pixelAt(*four, four->width() / 2, four->height() / 2),
            (std::vector<uint8_t>{10, 20, 30, 255}));

  EXPECT_FALSE(turnImage(test::solidImage(4, 4, {0}), 5, Rgb{}, false).ok());
  EXPECT_FALSE(turnImage(ImageBuffer(), 5, Rgb{}, false).ok());
  EXPECT_FALSE(turnImage(test::solidImage(4, 4, {0, 0, 0}), std::nan(""), Rgb{}, false).ok());
}

TEST(TurnImage, FilterGrowthFollowsSizeAndThreshold) {
  BackgroundDetector d;
  d.setFilterSize(1);
  EXPECT_EQ(filterGrowth(d), 0.0);
  d.setFilterSize(5);
  d.setNoiseThreshold(7);
  EXPECT_NEAR(filterGrowth(d), 2.5 - 7.0 / 5, 1e-12);  // a pixel and a tenth
  d.setNoiseThreshold(20);
  EXPECT_NEAR(filterGrowth(d), 2.5 - 4.0, 1e-12);  // shrinks
  d.setWholeSelect(true);
  EXPECT_EQ(filterGrowth(d), 0.0);
}

TEST(TurnImage, BorderBoxes) {
  const DetectedRect border{10, 20, 50, 60};
  EXPECT_EQ(clipToBorder(DetectedRect{8, 25, 49, 61}, border), (DetectedRect{10, 25, 49, 60}));
  EXPECT_EQ(clipToBorder(DetectedRect{8, 25, 49, 61}, DetectedRect{5, 5, 4, 4}),
            (DetectedRect{8, 25, 49, 61}));
  EXPECT_EQ(clipToBorder(DetectedRect{0, 0, 5, 5}, border), (DetectedRect{0, 0, 5, 5}));

  // An upright border at angle 0 is just the pixels inside it, drawn in.
  RotatedRect upright;
  upright.centerX = 20;
  upright.centerY = 10;
  upright.width = 10;
  upright.height = 6;
  EXPECT_EQ(turnedBorderBox(upright, 40, 30, 0, 0, 40, 30), (DetectedRect{15, 7, 24, 12}));
  EXPECT_EQ(turnedBorderBox(upright, 40, 30, 0, 1, 40, 30), (DetectedRect{16, 8, 23, 11}));
  EXPECT_EQ(turnedBorderBox(upright, 40, 30, 0, 0, 22, 11), (DetectedRect{15, 7, 21, 10}));
}

}  // namespace
}  // namespace trimlet

// Straightening one picture: the measured tilt turned by the rotation engine
// must leave the picture upright and cut tight; an upright picture must come
// through untouched.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>

#include "engine/detect/straighten.h"
#include "engine/detect/turn.h"
#include "tests/engine/detector_reference.h"
#include "tests/support/scan_page.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

const Rgb kWhite{255, 255, 255};

int boxWidth(const DetectedRect& r) { return r.right - r.left + 1; }
int boxHeight(const DetectedRect& r) { return r.bottom - r.top + 1; }

// The share of the box's pixels that are bed (near white): 0 for a picture
// cut tight and upright, more with white wedges at its corners.
double bedShare(const ImageBuffer& image, const DetectedRect& box) {
  int bed = 0;
  for (int y = box.top; y <= box.bottom; ++y) {
    for (int x = box.left; x <= box.right; ++x) {
      const uint8_t* p = image.at(x, y);
      if (p[0] > 200 && p[1] > 200 && p[2] > 200) ++bed;
    }
  }
  return double(bed) / (double(boxWidth(box)) * boxHeight(box));
}

test::ScanPage onePhoto(uint32_t seed, double maxDegrees) {
  test::PageRecipe recipe;
  recipe.width = 1200;
  recipe.height = 900;
  recipe.photos = 1;
  recipe.seed = seed;
  recipe.maxDegrees = maxDegrees;
  return test::makeScanPage(recipe);
}

// Turning an upright picture by +7 (clockwise as displayed) must read as
// -7, and turning by the reading must bring it back upright.
TEST(Straighten, TurningByTheReadingMakesThePictureUpright) {
  const test::ScanPage page = onePhoto(5, 0);
  ASSERT_EQ(page.photos[0].degrees, 0.0);
  auto leaning = turnImage(page.image, 7, kWhite, false);
  ASSERT_TRUE(leaning.ok());
  const BackgroundDetector detector;
  auto tilt = measureForegroundTilt(*leaning, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(tilt.ok());
  EXPECT_NEAR(tilt->degrees, -7, 0.3);

  auto straight = straightenForeground(*leaning, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(straight.ok()) << straight.reason();
  EXPECT_EQ(straight->tilt.degrees, tilt->degrees);
  EXPECT_LE(std::abs(boxWidth(straight->box) - page.photos[0].width), 2);
  EXPECT_LE(std::abs(boxHeight(straight->box) - page.photos[0].height), 2);
  EXPECT_LT(bedShare(straight->image, straight->box), 0.002);
}

class StraightenPage : public ::testing::TestWithParam<uint32_t> {};

TEST_P(StraightenPage, LeaningPhotoComesOutUprightAndTight) {
  const test::ScanPage page = onePhoto(GetParam(), 10);
  const test::PagePhoto& truth = page.photos[0];
  const BackgroundDetector detector;
  auto straight = straightenForeground(page.image, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(straight.ok()) << straight.reason();
  EXPECT_NEAR(straight->tilt.degrees, truth.degrees, 0.3);
  EXPECT_LE(std::abs(boxWidth(straight->box) - truth.width), 2) << "truth " << truth.width;
  EXPECT_LE(std::abs(boxHeight(straight->box) - truth.height), 2) << "truth " << truth.height;
  EXPECT_LT(bedShare(straight->image, straight->box), 0.002);
}

INSTANTIATE_TEST_SUITE_P(Generated, StraightenPage, ::testing::Range(21u, 29u));

TEST(Straighten, UprightPictureIsLeftAsDetectionFindsIt) {
  const test::ScanPage page = onePhoto(8, 0);
  BackgroundDetector detector;
  auto straight = straightenForeground(page.image, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(straight.ok());
  EXPECT_EQ(straight->tilt.degrees, 0.0);
  EXPECT_EQ(straight->tilt.verdict, TiltVerdict::kStraight);
  EXPECT_TRUE(test::SameImage(page.image, straight->image));
  ASSERT_TRUE(detector.detect(page.image, kWhite).ok());
  EXPECT_EQ(straight->box, detector.rectangle());
}

TEST(Straighten, NothingOrNothingRectangularIsLeftAlone) {
  BackgroundDetector detector;
  const ImageBuffer blank = test::solidImage(120, 90, {255, 255, 255});
  auto none = straightenForeground(blank, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(none.ok());
  EXPECT_EQ(none->tilt.verdict, TiltVerdict::kNothingToMeasure);
  EXPECT_EQ(none->box, DetectedRect{});

  std::vector<std::pair<int, int>> disc;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 120; ++x) {
      if ((x - 60) * (x - 60) + (y - 45) * (y - 45) < 900) disc.push_back({x, y});
    }
  }
  const ImageBuffer round = test::pictureWithDots(120, 90, disc);
  auto kept = straightenForeground(round, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(kept.ok());
  EXPECT_EQ(kept->tilt.verdict, TiltVerdict::kNotRectangular);
  EXPECT_EQ(kept->tilt.degrees, 0.0);
  ASSERT_TRUE(detector.detect(round, kWhite).ok());
  EXPECT_EQ(kept->box, detector.rectangle());
}

// Once turned, the box is the picture's: a mark below it and specks the
// filter keeps are too small to count and stay out.
TEST(Straighten, SmallMarksAreLeftOutOnceTurned) {
  test::ScanPage page = onePhoto(23, 10);
  const test::PagePhoto& photo = page.photos[0];
  const int middle = int(photo.centerX);
  for (int y = photo.box.top - 40; y < photo.box.top - 34; ++y) {
    for (int x = middle - 50; x < middle + 50; ++x) {
      uint8_t* p = page.image.at(x, y);
      p[0] = p[1] = p[2] = 40;
    }
  }
  for (int y = 10; y < 14; ++y) {
    for (int x = 10; x < 14; ++x) page.image.at(x, y)[0] = 0;  // a speck the filter keeps
  }
  const BackgroundDetector detector;
  auto straight = straightenForeground(page.image, kWhite, detector, StraightenOptions{});
  ASSERT_TRUE(straight.ok());
  EXPECT_NEAR(straight->tilt.degrees, photo.degrees, 0.3);
  EXPECT_LE(std::abs(boxWidth(straight->box) - photo.width), 2);
  EXPECT_LE(std::abs(boxHeight(straight->box) - photo.height), 2);
}

TEST(Straighten, RefusesImpossibleSettingsAndImages) {
  const BackgroundDetector detector;
  const ImageBuffer blank = test::solidImage(20, 20, {255, 255, 255});
  EXPECT_FALSE(straightenForeground(blank, kWhite, detector, {101, 0.85, true}).ok());
  EXPECT_FALSE(straightenForeground(blank, kWhite, detector, {2, 1.2, true}).ok());
  EXPECT_FALSE(measureForegroundTilt(blank, kWhite, detector, {-3, 0.85, true}).ok());
  EXPECT_FALSE(
      straightenForeground(test::solidImage(4, 4, {0}), kWhite, detector, StraightenOptions{})
          .ok());
}

}  // namespace
}  // namespace trimlet

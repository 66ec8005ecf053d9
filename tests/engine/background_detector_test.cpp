// Background detection: the foreground mask, the rectangle with its hit
// points, Whole Select, and agreement with the column-by-column scans.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/detect/background_detector.h"
#include "tests/engine/detector_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::pictureWithDots;

// --- The mask --------------------------------------------------------------

struct MaskCase {
  Rgb pixel;
  Rgb background;
  int tolerance;
  bool foreground;
};
void PrintTo(const MaskCase& c, std::ostream* os) {
  *os << "pixel (" << c.pixel.red << ", " << c.pixel.green << ", " << c.pixel.blue << ") on ("
      << c.background.red << ", " << c.background.green << ", " << c.background.blue
      << ") tolerance " << c.tolerance << " -> " << (c.foreground ? "foreground" : "background");
}

class ForegroundMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(ForegroundMask, DistanceAgainstTolerance) {
  const MaskCase c = GetParam();
  for (int channels : {3, 4}) {
    // Two pixels, so that a wrong step would read the second one's bytes.
    std::vector<uint8_t> pixels = {uint8_t(c.pixel.red), uint8_t(c.pixel.green),
                                   uint8_t(c.pixel.blue)};
    if (channels == 4) pixels.push_back(0);  // alpha is not part of the colour
    const std::vector<uint8_t> first = pixels;
    pixels.insert(pixels.end(), first.begin(), first.end());
    uint8_t mask[2] = {9, 9};
    computeForegroundMask(pixels.data(), 2, 1, channels, c.background, c.tolerance, mask);
    EXPECT_EQ(mask[0], c.foreground ? 1 : 0) << channels << " channels";
    EXPECT_EQ(mask[1], c.foreground ? 1 : 0) << channels << " channels";
  }
}

const Rgb kWhite{255, 255, 255};

INSTANTIATE_TEST_SUITE_P(
    Table, ForegroundMask,
    ::testing::Values(
        // Tolerance 20: T = 5852.25.
        MaskCase{{180, 180, 180}, kWhite, 20, true},   // D = 16875
        MaskCase{{230, 230, 230}, kWhite, 20, false},  // D = 1875
        MaskCase{{255, 255, 255}, kWhite, 20, false},
        MaskCase{{255, 255, 179}, kWhite, 20, false},  // D = 76^2 = 5776
        MaskCase{{255, 255, 178}, kWhite, 20, true},   // D = 77^2 = 5929
        // Tolerance 0 makes even the background colour foreground.
        MaskCase{{255, 255, 255}, kWhite, 0, true},
        MaskCase{{12, 34, 56}, Rgb{12, 34, 56}, 0, true},
        // Tolerance 40: T = 23409 exactly, and D = T is not below it.
        MaskCase{{102, 255, 255}, kWhite, 40, true},   // D = 153^2 = 23409
        MaskCase{{103, 255, 255}, kWhite, 40, false},  // D = 152^2 = 23104
        MaskCase{{0, 0, 0}, kWhite, 100, true},        // D = 195075, T = 146306.25
        MaskCase{{0, 0, 0}, kWhite, 116, false},       // T beyond every distance
        MaskCase{{3, 0, 0}, Rgb{0, 0, 0}, 1, false},   // D = 9, T = 14.630625
        MaskCase{{4, 0, 0}, Rgb{0, 0, 0}, 1, true},    // D = 16
        // Background components out of 0..255 (a damaged profile) still compare.
        MaskCase{{255, 255, 255}, Rgb{100000, 255, 255}, 100, true},
        MaskCase{{255, 255, 255}, Rgb{300, 255, 255}, 20, false}));  // D = 2025

TEST(ForegroundMask, ThreeBytesPerPixelForAnythingButFour) {
  // Pixels (0,0,0) and (255,255,255) packed at three bytes; "bytes per pixel"
  // 1 or 2 still steps by three.
  const uint8_t pixels[6] = {0, 0, 0, 255, 255, 255};
  for (int bpp : {1, 2, 3}) {
    uint8_t mask[2] = {9, 9};
    computeForegroundMask(pixels, 2, 1, bpp, kWhite, 20, mask);
    EXPECT_EQ(mask[0], 1) << bpp;
    EXPECT_EQ(mask[1], 0) << bpp;
  }
}

// --- The rectangle -----------------------------------------------------------

BackgroundDetector detectorWith(int tolerance, int filterSize, int threshold) {
  BackgroundDetector d;
  d.setTolerance(tolerance);
  d.setFilterSize(filterSize);
  d.setNoiseThreshold(threshold);
  return d;
}

TEST(BackgroundDetector, DefaultsAreTwentySevenAndFive) {
  const BackgroundDetector d;
  EXPECT_EQ(d.tolerance(), 20);
  EXPECT_EQ(d.noiseThreshold(), 7);
  EXPECT_EQ(d.filterSize(), 5);
  EXPECT_FALSE(d.wholeSelect());
}

TEST(BackgroundDetector, ToleranceZeroGivesTheWholeImage) {
  const ImageBuffer image = test::patternImage(13, 7, 3);
  for (const auto& [size, threshold] : std::vector<std::pair<int, int>>{{1, 6}, {3, 0}, {0, 0}}) {
    BackgroundDetector d = detectorWith(0, size, threshold);
    ASSERT_TRUE(d.detect(image, kWhite).ok());
    EXPECT_EQ(d.rectangle(), (DetectedRect{0, 0, 12, 6})) << "size " << size;
  }
  // Even a uniform image of the background colour.
  BackgroundDetector d = detectorWith(0, 1, 6);
  ASSERT_TRUE(d.detect(pictureWithDots(5, 4, {}), kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{0, 0, 4, 3}));
}

TEST(BackgroundDetector, SingleDarkPixelWithoutFilter) {
  BackgroundDetector d = detectorWith(20, 1, 6);
  ASSERT_TRUE(d.detect(pictureWithDots(9, 8, {{6, 2}}), kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{6, 2, 6, 2}));
  EXPECT_EQ(d.topHitColumn(), 6);
  EXPECT_EQ(d.leftHitRow(), 2);
  EXPECT_EQ(d.rightHitRow(), 2);
}

TEST(BackgroundDetector, FilterRemovesSpeckButKeepsBlockRectangle) {
  std::vector<std::pair<int, int>> dots = {{1, 7}};  // an isolated speck
  for (int x = 4; x <= 6; ++x) {
    for (int y = 2; y <= 4; ++y) dots.push_back({x, y});
  }
  BackgroundDetector d = detectorWith(20, 3, 6);
  ASSERT_TRUE(d.detect(pictureWithDots(10, 9, dots), kWhite).ok());
  // The corners go (count 4), the edge middles stay (count 6): still 3 x 3.
  EXPECT_EQ(d.rectangle(), (DetectedRect{4, 2, 6, 4}));
  EXPECT_EQ(d.topHitColumn(), 5);
  EXPECT_EQ(d.leftHitRow(), 3);
  EXPECT_EQ(d.rightHitRow(), 3);
}

TEST(BackgroundDetector, HitPointsAreTheFirstFoundOnEachSide) {
  // Buffer rows: top is the lowest row index.
  const ImageBuffer image =
      pictureWithDots(12, 8, {{4, 1}, {7, 1}, {2, 3}, {2, 6}, {9, 5}, {9, 2}, {5, 6}});
  BackgroundDetector d = detectorWith(20, 1, 1);
  ASSERT_TRUE(d.detect(image, kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{2, 1, 9, 6}));
  EXPECT_EQ(d.topHitColumn(), 4);  // first column of the top row
  EXPECT_EQ(d.leftHitRow(), 3);    // lowest row of the left column
  EXPECT_EQ(d.rightHitRow(), 2);   // lowest row of the right column
}

TEST(BackgroundDetector, AllBackgroundKeepsThePreviousHitPoints) {
  BackgroundDetector d = detectorWith(20, 1, 1);
  ASSERT_TRUE(d.detect(pictureWithDots(12, 8, {{4, 1}, {2, 3}, {9, 5}}), kWhite).ok());
  ASSERT_EQ(d.topHitColumn(), 4);
  ASSERT_EQ(d.leftHitRow(), 3);
  ASSERT_EQ(d.rightHitRow(), 5);
  ASSERT_TRUE(d.detect(pictureWithDots(6, 5, {}), kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{0, 0, 0, 0}));
  EXPECT_EQ(d.topHitColumn(), 4);
  EXPECT_EQ(d.leftHitRow(), 3);
  EXPECT_EQ(d.rightHitRow(), 5);
  // A speck that the filter removes leaves nothing either.
  BackgroundDetector filtered = detectorWith(20, 3, 6);
  ASSERT_TRUE(filtered.detect(pictureWithDots(6, 5, {{2, 2}}), kWhite).ok());
  EXPECT_EQ(filtered.rectangle(), (DetectedRect{0, 0, 0, 0}));
}

TEST(BackgroundDetector, WholeSelectTakesTheWholeImage) {
  BackgroundDetector d = detectorWith(20, 1, 1);
  ASSERT_TRUE(d.detect(pictureWithDots(12, 8, {{4, 1}, {2, 3}, {9, 5}}), kWhite).ok());
  d.setWholeSelect(true);
  EXPECT_TRUE(d.wholeSelect());
  ASSERT_TRUE(d.detect(pictureWithDots(7, 5, {}), kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{0, 0, 6, 4}));
  EXPECT_EQ(d.topHitColumn(), 4);  // no scan ran
  EXPECT_EQ(d.leftHitRow(), 3);
  d.setWholeSelect(false);
  ASSERT_TRUE(d.detect(pictureWithDots(7, 5, {{3, 3}}), kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{3, 3, 3, 3}));
}

TEST(BackgroundDetector, FourChannelImages) {
  const uint8_t clear[4] = {255, 255, 255, 0};
  ImageBuffer image = ImageBuffer::filled(6, 4, 4, clear).take();
  uint8_t* p = image.at(2, 1);
  p[0] = p[1] = p[2] = 0;
  image.at(4, 3)[3] = 200;  // alpha alone is no difference
  BackgroundDetector d = detectorWith(20, 1, 1);
  ASSERT_TRUE(d.detect(image, kWhite).ok());
  EXPECT_EQ(d.rectangle(), (DetectedRect{2, 1, 2, 1}));
}

TEST(BackgroundDetector, BadInputFailsAndKeepsThePreviousResult) {
  BackgroundDetector d = detectorWith(20, 1, 1);
  ASSERT_TRUE(d.detect(pictureWithDots(9, 8, {{6, 2}}), kWhite).ok());
  const uint8_t pixel[3] = {0, 0, 0};
  EXPECT_FALSE(d.detect(pixel, 0, 1, 3, kWhite).ok());
  EXPECT_FALSE(d.detect(pixel, 1, -4, 3, kWhite).ok());
  EXPECT_FALSE(d.detect(pixel, 1 << 16, 1 << 16, 3, kWhite).ok());
  EXPECT_FALSE(d.detect(nullptr, 1, 1, 3, kWhite).ok());
  EXPECT_FALSE(d.detect(ImageBuffer(), kWhite).ok());
  // A grey buffer holds one byte a pixel, not the three the mask would read.
  const Status grey = d.detect(test::solidImage(4, 4, {0}), kWhite);
  EXPECT_FALSE(grey.ok());
  EXPECT_FALSE(grey.reason().empty());
  EXPECT_EQ(d.rectangle(), (DetectedRect{6, 2, 6, 2}));
  EXPECT_EQ(d.topHitColumn(), 6);
}

// The fast path (row extents, running sums, two threads) against the
// literal scans over the fully counted filter, on random sparse pictures.
struct RandomPicture {
  int width;
  int height;
  int filterSize;
  int threshold;
};
void PrintTo(const RandomPicture& c, std::ostream* os) {
  *os << c.width << " x " << c.height << ", filter " << c.filterSize << ", threshold "
      << c.threshold;
}

class DetectorAgainstReference : public ::testing::TestWithParam<RandomPicture> {};

TEST_P(DetectorAgainstReference, SameRectangleAndHitPoints) {
  const RandomPicture c = GetParam();
  std::mt19937 random(static_cast<uint32_t>(c.width * 31 + c.height * 7 + c.filterSize));
  BackgroundDetector d = detectorWith(20, c.filterSize, c.threshold);
  for (int round = 0; round < 12; ++round) {
    // Clusters of ink at random places, some rounds with none at all.
    std::vector<std::pair<int, int>> dots;
    std::uniform_int_distribution<int> px(0, c.width - 1), py(0, c.height - 1);
    std::uniform_int_distribution<int> spread(0, 3);
    const int clusters = round % 4 == 3 ? 0 : 1 + round;
    for (int k = 0; k < clusters; ++k) {
      const int cx = px(random), cy = py(random), extent = spread(random);
      for (int y = cy - extent; y <= cy + extent; ++y) {
        for (int x = cx - extent; x <= cx + extent; ++x) {
          if (x >= 0 && x < c.width && y >= 0 && y < c.height) dots.push_back({x, y});
        }
      }
    }
    const ImageBuffer image = pictureWithDots(c.width, c.height, dots);
    std::vector<uint8_t> mask(size_t(c.width) * c.height);
    computeForegroundMask(image.data(), c.width, c.height, 3, kWhite, 20, mask.data());
    const auto filtered =
        test::bruteForceFilter(mask, c.width, c.height, c.filterSize, c.threshold);
    const test::ReferenceScan expected = test::referenceScan(
        filtered, c.width, c.height, d.topHitColumn(), d.leftHitRow(), d.rightHitRow());

    ASSERT_TRUE(d.detect(image, kWhite).ok());
    EXPECT_EQ(d.rectangle(), expected.rect) << "round " << round;
    EXPECT_EQ(d.topHitColumn(), expected.topHitColumn) << "round " << round;
    EXPECT_EQ(d.leftHitRow(), expected.leftHitRow) << "round " << round;
    EXPECT_EQ(d.rightHitRow(), expected.rightHitRow) << "round " << round;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, DetectorAgainstReference,
                         ::testing::Values(RandomPicture{1, 1, 1, 1}, RandomPicture{1, 30, 3, 2},
                                           RandomPicture{30, 1, 3, 2}, RandomPicture{17, 11, 1, 1},
                                           RandomPicture{17, 11, 3, 6}, RandomPicture{40, 25, 5, 9},
                                           RandomPicture{64, 48, 7, 20},
                                           // Two bands of rows.
                                           RandomPicture{600, 500, 3, 4}));

}  // namespace
}  // namespace trimlet

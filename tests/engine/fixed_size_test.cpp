#include <gtest/gtest.h>

#include "engine/geometry/fixed_size.h"
#include "tests/support/test_support.h"

namespace trimlet {

// Found by argument-dependent lookup, so it lives in Size's namespace; static
// keeps it to this file.
static void PrintTo(const Size& s, std::ostream* os) { *os << s.width << " x " << s.height; }

namespace {

const Rgb kFixed{10, 200, 30};

// Checks that the image (black, any alpha) covers exactly the given columns
// and buffer rows and the canvas colour, alpha 0, everything else.
::testing::AssertionResult PlacedOnCanvas(const ImageBuffer& image, int left, int bottom, int width,
                                          int height) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const bool inside = x >= left && x < left + width && y >= bottom && y < bottom + height;
      const uint8_t* p = image.at(x, y);
      const bool isImage = p[0] == 0 && p[1] == 0 && p[2] == 0;
      const bool isCanvas =
          p[0] == 10 && p[1] == 200 && p[2] == 30 && (image.channels() == 3 || p[3] == 0);
      if (inside ? !isImage : !isCanvas)
        return ::testing::AssertionFailure()
               << "column " << x << ", buffer row " << y << " should be "
               << (inside ? "image" : "canvas") << ", is " << int(p[0]) << "," << int(p[1]) << ","
               << int(p[2]);
    }
  return ::testing::AssertionSuccess();
}

struct FitCase {
  int width, height, fixedWidth, fixedHeight;
  Size target;       // w' x h'
  int left, bottom;  // where the image lands on the canvas
};
void PrintTo(const FitCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " into " << c.fixedWidth << " x " << c.fixedHeight;
}

class FitToCanvasTable : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitToCanvasTable, ReducesThenPadsEvenly) {
  const FitCase c = GetParam();
  EXPECT_EQ(fitToCanvasTarget(c.width, c.height, c.fixedWidth, c.fixedHeight), c.target);
  for (int channels : {3, 4}) {
    SCOPED_TRACE(channels);
    const ImageBuffer source = channels == 3 ? test::solidImage(c.width, c.height, {0, 0, 0})
                                             : test::solidImage(c.width, c.height, {0, 0, 0, 255});
    auto padded = fitToCanvas(source, c.fixedWidth, c.fixedHeight, true, kFixed);
    ASSERT_TRUE(padded.ok()) << padded.reason();
    ASSERT_EQ(padded->width(), c.fixedWidth);
    ASSERT_EQ(padded->height(), c.fixedHeight);
    EXPECT_TRUE(PlacedOnCanvas(*padded, c.left, c.bottom, std::min(c.target.width, c.width),
                               std::min(c.target.height, c.height)));
    // Without FillColorCheck the reduced image is all there is.
    auto bare = fitToCanvas(source, c.fixedWidth, c.fixedHeight, false, kFixed);
    ASSERT_TRUE(bare.ok());
    EXPECT_EQ(bare->width(), std::min(c.target.width, c.width));
    EXPECT_EQ(bare->height(), std::min(c.target.height, c.height));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Canvases, FitToCanvasTable,
    ::testing::Values(FitCase{400, 300, 200, 200, {200, 150}, 0, 25},
                      // 201 - 150 = 51 is odd: h' = 151, padded by 25 and 25.
                      FitCase{400, 300, 200, 201, {200, 151}, 0, 25},
                      FitCase{300, 200, 500, 500, {300, 200}, 100, 150},
                      // Not scaled, odd rests: the extra column right, row on top.
                      FitCase{4, 2, 7, 5, {4, 2}, 1, 1},
                      // 1000 x 1 into 1 x 1000: h' = trunc(0.001) = 0 is kept at 1.
                      FitCase{1000, 1, 1, 1000, {1, 1}, 0, 499}));

TEST(FitToCanvas, RefusesACanvasWithoutSize) {
  const ImageBuffer source = test::patternImage(4, 4, 3);
  EXPECT_FALSE(fitToCanvas(source, 0, 10, true, kFixed).ok());
  EXPECT_FALSE(fitToCanvas(source, 10, -1, true, kFixed).ok());
  EXPECT_FALSE(fitToCanvas(ImageBuffer(), 10, 10, true, kFixed).ok());
}

TEST(PadToCanvas, OddAmountsGoRightAndUpNegativeCountsAsZero) {
  const ImageBuffer source = test::solidImage(2, 2, {0, 0, 0, 200});
  auto padded = padToCanvas(source, 3, 3, kFixed);
  ASSERT_TRUE(padded.ok());
  ASSERT_EQ(padded->width(), 5);
  ASSERT_EQ(padded->height(), 5);
  EXPECT_TRUE(PlacedOnCanvas(*padded, 1, 1, 2, 2));
  EXPECT_EQ(test::pixelAt(*padded, 1, 1), (std::vector<uint8_t>{0, 0, 0, 200}));
  EXPECT_EQ(test::pixelAt(*padded, 4, 4), (std::vector<uint8_t>{10, 200, 30, 0}));

  auto none = padToCanvas(source, -4, 2, kFixed);
  ASSERT_TRUE(none.ok());
  EXPECT_EQ(none->width(), 2);
  EXPECT_EQ(none->height(), 4);
  EXPECT_TRUE(PlacedOnCanvas(*none, 0, 1, 2, 2));
}

TEST(PadToCanvas, RefusesACanvasBeyondTheSizeLimit) {
  auto huge = padToCanvas(test::patternImage(2, 2, 3), 2000000000, 2000000000, kFixed);
  EXPECT_FALSE(huge.ok());
  EXPECT_FALSE(huge.reason().empty());
}

struct SideCase {
  int width, height, selSide, sidePixel;
  Size expected;
};
void PrintTo(const SideCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << (c.selSide ? " short " : " long ") << c.sidePixel;
}

class ScaleOneSideTable : public ::testing::TestWithParam<SideCase> {};

TEST_P(ScaleOneSideTable, SetsTheChosenSide) {
  const SideCase c = GetParam();
  EXPECT_EQ(scaleOneSideTarget(c.width, c.height, c.selSide, c.sidePixel), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, ScaleOneSideTable,
    ::testing::Values(SideCase{300, 600, 0, 100, {50, 100}}, SideCase{60, 80, 0, 100, {60, 80}},
                      SideCase{300, 600, 1, 100, {100, 200}}, SideCase{600, 300, 0, 100, {100, 50}},
                      SideCase{600, 300, 1, 100, {200, 100}},
                      SideCase{500, 500, 0, 100, {100, 100}}, SideCase{500, 500, 1, 99, {99, 99}},
                      SideCase{100, 50, 0, 100, {100, 50}},
                      // 2000000 x 999 does not fit 32 bits.
                      SideCase{2000000, 1000, 1, 999, {1998000, 999}},
                      // trunc(1 x 10 / 1000) = 0 is kept at 1.
                      SideCase{1, 1000, 0, 10, {1, 10}}));

TEST(ScaleOneSide, ReducesTheImage) {
  auto scaled = scaleOneSide(test::patternImage(300, 600, 4), 0, 100);
  ASSERT_TRUE(scaled.ok());
  EXPECT_EQ(scaled->width(), 50);
  EXPECT_EQ(scaled->height(), 100);
  auto kept = scaleOneSide(test::patternImage(60, 80, 3), 0, 100);
  ASSERT_TRUE(kept.ok());
  EXPECT_EQ(kept->width(), 60);
  EXPECT_EQ(kept->height(), 80);
  EXPECT_FALSE(scaleOneSide(test::patternImage(6, 8, 3), 0, 0).ok());
}

}  // namespace
}  // namespace trimlet

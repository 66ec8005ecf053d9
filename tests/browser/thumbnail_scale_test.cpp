// Thumbnails: bitmap rows from 1-, 3- and 4-byte images, and the 48 x 48
// block-averaging scaler on known answers.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <sstream>
#include <vector>

#include "browser/model/dib_rows.h"
#include "browser/model/thumbnail_scale.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using Bgr = std::vector<int>;
const Bgr kWhite{255, 255, 255};

// Output pixel x of row y (counted from the start of the output, which is
// the picture's bottom row) as blue, green, red.
Bgr thumbPixel(const std::vector<uint8_t>& t, int x, int y) {
  const uint8_t* p = t.data() + (static_cast<size_t>(y) * kThumbnailSize + x) * 3;
  return {p[0], p[1], p[2]};
}

// Compares every output pixel with `expected(x, y)`; names the first
// difference with both values.
::testing::AssertionResult ThumbnailIs(const std::vector<uint8_t>& t,
                                       const std::function<Bgr(int, int)>& expected) {
  if (t.size() != static_cast<size_t>(kThumbnailBytes))
    return ::testing::AssertionFailure() << "thumbnail of " << t.size() << " bytes";
  for (int y = 0; y < kThumbnailSize; ++y)
    for (int x = 0; x < kThumbnailSize; ++x) {
      const Bgr want = expected(x, y);
      const Bgr got = thumbPixel(t, x, y);
      if (want != got)
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << "): expected " << ::testing::PrintToString(want)
               << ", got " << ::testing::PrintToString(got);
    }
  return ::testing::AssertionSuccess();
}

// Bitmap rows whose pixel (col, row) is blue = col, green = row, red = 200,
// with `padding` bytes of 99 after each row.
DibRows coordinateRows(int width, int height, int padding) {
  DibRows rows;
  rows.width = width;
  rows.height = height;
  rows.padding = padding;
  rows.bytes.assign(rows.stride() * height, 99);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = rows.bytes.data() + rows.stride() * y + x * 3;
      p[0] = static_cast<uint8_t>(x);
      p[1] = static_cast<uint8_t>(y);
      p[2] = 200;
    }
  return rows;
}

std::vector<uint8_t> scaled(const DibRows& rows) {
  Result<std::vector<uint8_t>> t = ScaleToThumbnail(rows);
  EXPECT_TRUE(t.ok()) << t.reason();
  return t.ok() ? t.take() : std::vector<uint8_t>();
}

TEST(ScaleToThumbnail, wideImageBecomesABandOfTwoByTwoAverages) {
  // 100 x 75: w' 48, h' 36, f 2, the band 6 rows from the start. Columns
  // 96-99 and rows 72-74 are not used: they are 0 here, and any use of
  // them would lower the averages.
  DibRows rows = coordinateRows(100, 75, 0);
  for (int y = 0; y < 75; ++y)
    for (int x = 0; x < 100; ++x)
      if (x >= 96 || y >= 72)
        for (int c = 0; c < 3; ++c) rows.bytes[rows.stride() * y + x * 3 + c] = 0;
  EXPECT_TRUE(ThumbnailIs(scaled(rows), [](int x, int y) -> Bgr {
    if (y < 6 || y >= 42) return kWhite;
    // (2x + 2x + 2x+1 + 2x+1) / 4 = 2x, and the same for rows.
    return {2 * x, 2 * (y - 6), 200};
  }));
}

TEST(ScaleToThumbnail, tallImageBecomesACentredColumn) {
  // 75 x 100: h' 48, w' 36, x0 6, f 2.
  EXPECT_TRUE(ThumbnailIs(scaled(coordinateRows(75, 100, 3)), [](int x, int y) -> Bgr {
    if (x < 6 || x >= 42) return kWhite;
    return {2 * (x - 6), 2 * y, 200};
  }));
}

TEST(ScaleToThumbnail, smallImageIsCentredUnscaled) {
  // 20 x 10: x0 (48 - 20) / 2 = 14, y0 (48 - 10) / 2 = 19.
  EXPECT_TRUE(ThumbnailIs(scaled(coordinateRows(20, 10, 0)), [](int x, int y) -> Bgr {
    if (x < 14 || x >= 34 || y < 19 || y >= 29) return kWhite;
    return {x - 14, y - 19, 200};
  }));
}

TEST(ScaleToThumbnail, factorOneCopiesTheFirstPixelsAndSkipsPadding) {
  // 60 x 60: w' = h' = 48, f 1: the first 48 x 48 pixels, unscaled. The
  // row padding (bytes of 99) must be skipped, not read as pixels.
  EXPECT_TRUE(ThumbnailIs(scaled(coordinateRows(60, 60, 3)), [](int x, int y) -> Bgr {
    return {x, y, 200};
  }));
}

TEST(ScaleToThumbnail, averagesRoundDown) {
  DibRows rows = coordinateRows(96, 96, 0);
  // The block of output pixel (0, 0): 0, 1, 1, 1 in blue averages to 0.
  for (int i : {0, 1, 2, 3}) rows.bytes[(i / 2) * rows.stride() + (i % 2) * 3] = i ? 1 : 0;
  EXPECT_EQ(thumbPixel(scaled(rows), 0, 0)[0], 0);
}

TEST(ScaleToThumbnail, extremeRatios) {
  // 48 x 1 still has one row (h' 1, at row 23); 49 x 1 and 1 x 49 would
  // scale to less than a pixel and have no thumbnail.
  EXPECT_TRUE(ThumbnailIs(scaled(coordinateRows(48, 1, 0)), [](int x, int y) -> Bgr {
    return y == 23 ? Bgr{x, 0, 200} : kWhite;
  }));
  EXPECT_FALSE(ScaleToThumbnail(coordinateRows(49, 1, 3)).ok());
  EXPECT_FALSE(ScaleToThumbnail(coordinateRows(1, 49, 1)).ok());
  EXPECT_FALSE(ScaleToThumbnail(coordinateRows(4800, 99, 0)).ok());
}

TEST(ScaleToThumbnail, refusesRowsThatDoNotHoldThePicture) {
  DibRows rows = coordinateRows(10, 10, 2);
  rows.bytes.resize(rows.bytes.size() - 1);
  EXPECT_FALSE(ScaleToThumbnail(rows).ok());
  EXPECT_FALSE(ScaleToThumbnail(DibRows{}).ok());
  EXPECT_FALSE(ScaleToThumbnail(nullptr, 10, 10, 0).ok());
}

TEST(ToDibRows, greyBecomesThreeEqualBytesInPaddedRows) {
  const ImageBuffer grey = test::imageFromTopRows(2, 1, {{10, 20}, {30, 40}});
  Result<DibRows> rows = ToDibRows(grey);
  ASSERT_TRUE(rows.ok()) << rows.reason();
  EXPECT_EQ(rows->padding, 2);
  // Row order is kept: buffer row 0 is the bottom row (30, 40).
  EXPECT_EQ(rows->bytes, (std::vector<uint8_t>{30, 30, 30, 40, 40, 40, 0, 0,  //
                                               10, 10, 10, 20, 20, 20, 0, 0}));
}

TEST(ToDibRows, redFirstBecomesBlueFirst) {
  const ImageBuffer rgb = test::imageFromTopRows(1, 3, {{1, 2, 3}});
  Result<DibRows> rows = ToDibRows(rgb);
  ASSERT_TRUE(rows.ok());
  EXPECT_EQ(rows->bytes, (std::vector<uint8_t>{3, 2, 1, 0}));
}

TEST(ToDibRows, aFourthByteIsDropped) {
  const ImageBuffer rgba =
      test::imageFromTopRows(4, 4, {{1, 2, 3, 9, 4, 5, 6, 9, 7, 8, 9, 0, 10, 11, 12, 0}});
  Result<DibRows> rows = ToDibRows(rgba);
  ASSERT_TRUE(rows.ok());
  EXPECT_EQ(rows->padding, 0);
  EXPECT_EQ(rows->bytes, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

TEST(ToDibRows, refusesOtherPixelWidthsAndEmptyImages) {
  const uint8_t pixels[8] = {};
  EXPECT_FALSE(ToDibRows(2, 2, pixels, 2).ok());
  EXPECT_FALSE(ToDibRows(2, 2, pixels, 0).ok());
  EXPECT_FALSE(ToDibRows(0, 2, pixels, 1).ok());
  EXPECT_FALSE(ToDibRows(2, 2, nullptr, 1).ok());
  EXPECT_FALSE(ToDibRows(ImageBuffer()).ok());
}

TEST(ThumbnailArgb, pureWhiteIsTransparentAndRowsTurnTopDown) {
  std::vector<uint8_t> t(kThumbnailBytes, 255);
  t[0] = 1;  // bottom-left pixel: blue 1, green 2, red 3
  t[1] = 2;
  t[2] = 3;
  t[(47 * 48 + 47) * 3] = 254;  // top-right: almost white stays opaque
  const std::vector<uint32_t> argb = ThumbnailArgb(t);
  ASSERT_EQ(argb.size(), 48u * 48u);
  EXPECT_EQ(argb[47 * 48], 0xFF030201u);
  EXPECT_EQ(argb[47], 0xFFFFFFFEu);
  EXPECT_EQ(argb[1], 0x00FFFFFFu);
  EXPECT_TRUE(ThumbnailArgb(std::vector<uint8_t>(10)).empty());
}

}  // namespace
}  // namespace trimlet

#include <gtest/gtest.h>

#include "engine/image/checked_size.h"
#include "engine/image/image_buffer.h"
#include "engine/image/pixel_layout.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::imageFromTopRows;
using test::pixelAt;

TEST(ImageBufferLayout, RowsArePackedWithoutPadding) {
  // 5 x 3 bytes per row = 15, not a multiple of four: still no padding.
  auto image = ImageBuffer::create(5, 2, 3);
  ASSERT_TRUE(image.ok());
  EXPECT_EQ(image->stride(), 15u);
  EXPECT_EQ(image->byteCount(), 30u);
  EXPECT_EQ(image->at(1, 1) - image->data(), (1 * 5 + 1) * 3);
}

TEST(ImageBufferLayout, TopRowsGoToTheEndOfTheBuffer) {
  ImageBuffer image = imageFromTopRows(1, 3, {{1, 2, 3}, {4, 5, 6}});
  EXPECT_EQ(pixelAt(image, 0, 1), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(pixelAt(image, 0, 0), (std::vector<uint8_t>{4, 5, 6}));
}

struct SizeCase {
  int64_t width;
  int64_t height;
  bool allowed;
};
void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << (c.allowed ? " allowed" : " refused");
}

class ImageSizeLimit : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ImageSizeLimit, FourBytesPerPixelMustStayBelowTwoToThe31) {
  const SizeCase c = GetParam();
  std::string reason;
  EXPECT_EQ(imageSizeAllowed(c.width, c.height, &reason), c.allowed) << reason;
  if (!c.allowed) {
    EXPECT_FALSE(reason.empty());
    // A refused size never reaches the allocator.
    auto image = ImageBuffer::create(c.width, c.height, 1);
    EXPECT_FALSE(image.ok());
    EXPECT_FALSE(image.reason().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ImageSizeLimit,
    ::testing::Values(SizeCase{1, 1, true}, SizeCase{0, 10, false}, SizeCase{10, 0, false},
                      SizeCase{-1, 5, false}, SizeCase{5, -1, false},
                      // 536870911 pixels x 4 = 2^31 - 4: the largest allowed.
                      SizeCase{536870911, 1, true}, SizeCase{536870912, 1, false},
                      SizeCase{32768, 16384, false}, SizeCase{32767, 16384, true},
                      SizeCase{3000000, 2000000, false},
                      SizeCase{INT64_C(1) << 40, INT64_C(1) << 40, false}));

TEST(CheckedArithmetic, DetectsOverflow) {
  size_t out = 0;
  EXPECT_TRUE(checkedMultiply(1u << 16, 1u << 16, &out));
  EXPECT_FALSE(checkedMultiply(SIZE_MAX / 2 + 1, 2, &out));
  EXPECT_FALSE(checkedAdd(SIZE_MAX, 1, &out));
  EXPECT_TRUE(checkedAdd(2, 3, &out));
  EXPECT_EQ(out, 5u);
}

TEST(GreyExpansion, WritesEachGreyByteThreeTimesKeepingRowOrder) {
  ImageBuffer grey = imageFromTopRows(2, 1, {{10, 20}, {30, 40}});
  auto rgb = expandGrey(grey);
  ASSERT_TRUE(rgb.ok());
  EXPECT_EQ(rgb->channels(), 3);
  EXPECT_TRUE(test::SameImage(
      imageFromTopRows(2, 3, {{10, 10, 10, 20, 20, 20}, {30, 30, 30, 40, 40, 40}}), *rgb));
}

TEST(KeepAlpha, SurvivesOnlyForFourChannelsIntoTargaOrPng) {
  for (int code = 0; code <= 4; ++code) {
    const auto format = static_cast<OutputFormat>(code);
    EXPECT_FALSE(keepAlphaFor(3, format)) << code;
    EXPECT_EQ(keepAlphaFor(4, format), code == 1 || code == 4) << code;
  }
}

TEST(WidenAndNarrow, AlphaIsOwnOrZero) {
  ImageBuffer rgba = imageFromTopRows(1, 4, {{1, 2, 3, 200}});
  auto kept = widenToFour(rgba, true);
  auto dropped = widenToFour(rgba, false);
  ASSERT_TRUE(kept.ok() && dropped.ok());
  EXPECT_EQ(pixelAt(*kept, 0, 0), (std::vector<uint8_t>{1, 2, 3, 200}));
  EXPECT_EQ(pixelAt(*dropped, 0, 0), (std::vector<uint8_t>{1, 2, 3, 0}));

  ImageBuffer rgb = imageFromTopRows(1, 3, {{7, 8, 9}});
  auto widened = widenToFour(rgb, true);
  ASSERT_TRUE(widened.ok());
  EXPECT_EQ(pixelAt(*widened, 0, 0), (std::vector<uint8_t>{7, 8, 9, 0}));

  auto narrow = narrowFromFour(*kept, false);
  ASSERT_TRUE(narrow.ok());
  EXPECT_EQ(narrow->channels(), 3);
  EXPECT_EQ(pixelAt(*narrow, 0, 0), (std::vector<uint8_t>{1, 2, 3}));
  auto four = narrowFromFour(*kept, true);
  ASSERT_TRUE(four.ok());
  EXPECT_EQ(pixelAt(*four, 0, 0), (std::vector<uint8_t>{1, 2, 3, 200}));
}

TEST(WidenAndNarrow, RefuseWrongChannelCounts) {
  ImageBuffer grey = imageFromTopRows(1, 1, {{5}});
  EXPECT_FALSE(widenToFour(grey, false).ok());
  EXPECT_FALSE(narrowFromFour(grey, false).ok());
  EXPECT_FALSE(widenToFour(ImageBuffer(), false).ok());
}

}  // namespace
}  // namespace trimlet

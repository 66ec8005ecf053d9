// The bitmap reader against ImageMagick: bitmaps made with `convert` at every
// depth, header and compression it writes must decode to ImageMagick's own
// pixels; and ImageMagick must read our bitmaps as written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "imagefile/bitmap_file.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct MagickBitmap {
  std::string name;
  std::vector<std::string> options;  // between the source and the output
  std::string prefix;                // "bmp2:" core header, "bmp3:" 40 bytes, "bmp:" 124
  bool alpha;                        // source with transparency
  uint32_t headerSize;               // what the file must have
  int bits;
  int compression;
  // ImageMagick widens 5- and 6-bit fields by repeating their top bits; we
  // round field * 255 / maximum, which can differ by one.
  int tolerance = 0;
};
void PrintTo(const MagickBitmap& c, std::ostream* os) { *os << c.name; }

uint32_t field(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | b[at + k];
  return v;
}

// Same size, and every byte within `tolerance`; names the first that is not.
::testing::AssertionResult closeImages(const ImageBuffer& expected, const ImageBuffer& actual,
                                       int tolerance) {
  if (tolerance == 0) return test::SameImage(expected, actual);
  if (expected.width() != actual.width() || expected.height() != actual.height() ||
      expected.channels() != actual.channels())
    return ::testing::AssertionFailure() << "sizes differ";
  for (size_t i = 0; i < expected.byteCount(); ++i) {
    if (std::abs(expected.data()[i] - actual.data()[i]) > tolerance)
      return ::testing::AssertionFailure()
             << "byte " << i << " (pixel " << i / 3 % expected.width() << ", buffer row "
             << i / expected.stride() << "): expected " << int(expected.data()[i]) << ", got "
             << int(actual.data()[i]);
  }
  return ::testing::AssertionSuccess();
}

class BitmapMatchesMagick : public ::testing::TestWithParam<MagickBitmap> {};

TEST_P(BitmapMatchesMagick, SamePixelsAsImageMagick) {
  TRIMLET_REQUIRE_MAGICK();
  const MagickBitmap& c = GetParam();
  test::TempDir dir;
  // 37 x 23: rows need padding at every depth.
  const std::string path = dir.file("made.bmp");
  std::vector<std::string> args{"-size", "37x23", "gradient:red-blue",  "-fill",
                                "white", "-draw", "rectangle 3,3 20,10"};
  if (c.alpha)
    args.insert(args.end(), {"-alpha", "set", "-channel", "A", "-fx", "(i+j)/60", "+channel"});
  args.insert(args.end(), c.options.begin(), c.options.end());
  args.push_back(c.prefix + path);
  std::string errors;
  ASSERT_TRUE(test::magickConvert(args, &errors)) << errors;

  const std::vector<uint8_t> file = test::readFileBytes(path);
  ASSERT_GE(file.size(), 54u);
  ASSERT_EQ(field(file, 14, 4), c.headerSize) << "convert made another header";
  const bool core = c.headerSize == 12;
  EXPECT_EQ(field(file, core ? 24 : 28, 2), static_cast<uint32_t>(c.bits));
  if (!core) {
    EXPECT_EQ(field(file, 30, 4), static_cast<uint32_t>(c.compression));
  }

  auto ours = readBitmap(path);
  ASSERT_TRUE(ours.ok()) << ours.reason();
  EXPECT_EQ(ours->channels(), 3);
  const ImageBuffer theirs = test::magickDecode(path, 3, {"-alpha", "off"});
  ASSERT_FALSE(theirs.empty());
  EXPECT_TRUE(closeImages(theirs, *ours, c.tolerance));
}

const std::vector<std::string> kPalette2{"-colors", "2", "-type", "Palette", "-compress", "None"};
const std::vector<std::string> kPalette16{"-colors", "16", "-type", "Palette", "-compress", "None"};
const std::vector<std::string> kPalette256{"-type", "Palette", "-compress", "None"};
const std::vector<std::string> kTrue{"-type", "TrueColor"};

INSTANTIATE_TEST_SUITE_P(
    Variants, BitmapMatchesMagick,
    ::testing::Values(
        MagickBitmap{"info_1bit", kPalette2, "bmp3:", false, 40, 1, 0},
        MagickBitmap{"info_4bit", kPalette16, "bmp3:", false, 40, 4, 0},
        MagickBitmap{"info_8bit", kPalette256, "bmp3:", false, 40, 8, 0},
        MagickBitmap{
            "info_8bit_rle", {"-type", "Palette", "-compress", "RLE"}, "bmp3:", false, 40, 8, 1},
        MagickBitmap{"info_24bit", kTrue, "bmp3:", false, 40, 24, 0},
        MagickBitmap{"core_1bit", kPalette2, "bmp2:", false, 12, 1, 0},
        MagickBitmap{"core_4bit", kPalette16, "bmp2:", false, 12, 4, 0},
        MagickBitmap{"core_8bit", kPalette256, "bmp2:", false, 12, 8, 0},
        MagickBitmap{"core_24bit", kTrue, "bmp2:", false, 12, 24, 0},
        MagickBitmap{"v5_8bit", kPalette256, "bmp:", false, 124, 8, 0},
        MagickBitmap{
            "v5_8bit_rle", {"-type", "Palette", "-compress", "RLE"}, "bmp:", false, 124, 8, 1},
        MagickBitmap{"v5_24bit", kTrue, "bmp:", false, 124, 24, 0},
        MagickBitmap{"v5_32bit_bit_fields", {}, "bmp:", true, 124, 32, 3},
        MagickBitmap{"v5_16bit_565",
                     {"-alpha", "off", "-define", "bmp:subtype=RGB565"},
                     "bmp:",
                     false,
                     124,
                     16,
                     3,
                     1},
        MagickBitmap{"v5_16bit_555",
                     {"-alpha", "off", "-define", "bmp:subtype=RGB555"},
                     "bmp:",
                     false,
                     124,
                     16,
                     3,
                     1}),
    [](const auto& info) { return info.param.name; });

class MagickReadsOurBitmap : public ::testing::TestWithParam<int> {};

TEST_P(MagickReadsOurBitmap, SamePixelsAsWritten) {
  TRIMLET_REQUIRE_MAGICK();
  const int width = GetParam();
  const ImageBuffer image = test::patternImage(width, 4, 3, 5);
  test::TempDir dir;
  const std::string path = dir.file("ours.bmp");
  ASSERT_TRUE(writeBitmap(path, image).ok());
  const ImageBuffer theirs = test::magickDecode(path, 3);
  ASSERT_FALSE(theirs.empty());
  EXPECT_TRUE(test::SameImage(image, theirs));
}

INSTANTIATE_TEST_SUITE_P(Widths, MagickReadsOurBitmap, ::testing::Values(1, 2, 3, 4, 5, 31));

}  // namespace
}  // namespace trimlet

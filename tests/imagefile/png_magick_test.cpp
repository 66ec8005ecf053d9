// Our PNG reader against ImageMagick's decoding of files that ImageMagick
// wrote, one per colour type and depth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "imagefile/png_file.h"
#include "tests/imagefile/png_bytes.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct MagickPngCase {
  const char* name;
  std::vector<std::string> arguments;  // after the picture, before the file name
  int colourType;                      // what ImageMagick must have written
  int bitDepth;
  int channels;  // what we must read
  int tolerance;
  std::vector<std::string> decodeArguments;  // for ImageMagick's own decoding
};
void PrintTo(const MagickPngCase& c, std::ostream* os) { *os << c.name; }

// A 12 x 6 picture whose every pixel differs, with an alpha ramp for the
// variants that keep one.
std::vector<std::string> picture(bool alpha) {
  std::vector<std::string> args{"-size",
                                "12x6",
                                "gradient:#e01030-#20c0f0",
                                "(",
                                "-size",
                                "6x12",
                                "gradient:#ffffff-#303000",
                                "-rotate",
                                "90",
                                ")",
                                "-compose",
                                "multiply",
                                "-composite"};
  if (alpha)
    args.insert(args.end(), {"(", "-size", "12x6", "gradient:#ffffff-#000000", ")", "-alpha", "off",
                             "-compose", "copy_opacity", "-composite"});
  return args;
}

class PngAgainstMagick : public ::testing::TestWithParam<MagickPngCase> {};

TEST_P(PngAgainstMagick, PixelsEqualItsDecoding) {
  TRIMLET_REQUIRE_MAGICK();
  const MagickPngCase& c = GetParam();
  test::TempDir dir;
  const std::string path = dir.file("in.png");
  // Alpha for the types that store it and for a palette read as RGBA.
  const bool alpha = c.colourType == 4 || c.colourType == 6 || c.channels == 4;
  std::vector<std::string> args = picture(alpha);
  args.insert(args.end(), c.arguments.begin(), c.arguments.end());
  args.push_back(c.colourType == 3 ? "PNG8:" + path : path);
  std::string errors;
  ASSERT_TRUE(test::magickConvert(args, &errors)) << errors;

  const auto file = test::readFileBytes(path);
  const auto chunks = test::pngChunks(file);
  ASSERT_FALSE(chunks.empty());
  ASSERT_EQ(chunks[0].data[9], c.colourType) << "ImageMagick wrote another colour type";
  ASSERT_EQ(chunks[0].data[8], c.bitDepth) << "ImageMagick wrote another depth";

  auto ours = readPng(path);
  ASSERT_TRUE(ours.ok()) << ours.reason();
  ASSERT_EQ(ours->channels(), c.channels);
  ImageBuffer theirs = test::magickDecode(path, c.channels, c.decodeArguments);
  ASSERT_FALSE(theirs.empty());
  if (c.tolerance == 0) {
    EXPECT_TRUE(test::SameImage(theirs, *ours));
    return;
  }
  ASSERT_EQ(theirs.byteCount(), ours->byteCount());
  int worst = 0;
  for (size_t i = 0; i < theirs.byteCount(); ++i)
    worst = std::max(worst, std::abs(int(theirs.data()[i]) - int(ours->data()[i])));
  EXPECT_LE(worst, c.tolerance);
}

const std::vector<std::string> kNoBackground{"-define", "png:exclude-chunk=bKGD"};

std::vector<std::string> with(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// ImageMagick writes a bKGD chunk unless told not to; with an alpha channel
// that makes us composite (a case of its own below), so the plain variants
// leave it out. Its gAMA of 1/2.2 matches the screen gamma: no correction.
// 16-bit files: ImageMagick rounds 16 bits to 8, libpng keeps the high
// byte, so the two differ by at most one level.
INSTANTIATE_TEST_SUITE_P(
    Variants, PngAgainstMagick,
    ::testing::Values(
        MagickPngCase{"Palette", with({"-depth", "8"}, kNoBackground), 3, 8, 3, 0, {}},
        MagickPngCase{"PaletteWithTransparency",
                      with({"-depth", "8", "-define", "png:include-chunk=tRNS"}, kNoBackground),
                      3,
                      8,
                      4,
                      0,
                      {}},
        MagickPngCase{"Grey",
                      with({"-colorspace", "Gray", "-depth", "8", "-define", "png:color-type=0"},
                           kNoBackground),
                      0,
                      8,
                      3,
                      0,
                      {}},
        MagickPngCase{"GreyWithAlpha",
                      with({"-colorspace", "Gray", "-depth", "8", "-define", "png:color-type=4"},
                           kNoBackground),
                      4,
                      8,
                      4,
                      0,
                      {}},
        MagickPngCase{"OneBitGrey",
                      with({"-colorspace", "Gray", "-threshold", "50%", "-define",
                            "png:color-type=0", "-define", "png:bit-depth=1"},
                           kNoBackground),
                      0,
                      1,
                      3,
                      0,
                      {}},
        MagickPngCase{"FourBitGrey",
                      with({"-colorspace", "Gray", "-depth", "4", "-define", "png:color-type=0",
                            "-define", "png:bit-depth=4"},
                           kNoBackground),
                      0,
                      4,
                      3,
                      0,
                      {}},
        MagickPngCase{"SixteenBitRgb",
                      with({"-depth", "16", "-define", "png:color-type=2"}, kNoBackground),
                      2,
                      16,
                      3,
                      1,
                      {}},
        MagickPngCase{"SixteenBitRgba",
                      with({"-depth", "16", "-define", "png:color-type=6"}, kNoBackground),
                      6,
                      16,
                      4,
                      1,
                      {}},
        MagickPngCase{"Rgb",
                      with({"-depth", "8", "-define", "png:color-type=2"}, kNoBackground),
                      2,
                      8,
                      3,
                      0,
                      {}},
        MagickPngCase{"Rgba",
                      with({"-depth", "8", "-define", "png:color-type=6"}, kNoBackground),
                      6,
                      8,
                      4,
                      0,
                      {}},
        MagickPngCase{"Interlaced",
                      with({"-depth", "8", "-define", "png:color-type=6", "-interlace", "PNG"},
                           kNoBackground),
                      6,
                      8,
                      4,
                      0,
                      {}},
        // With its background chunk we composite; ImageMagick does the same
        // when asked to flatten onto the file's background. Without a gamma
        // both blend the stored values; they round a little differently.
        MagickPngCase{"RgbaOnBackgroundWithoutGamma",
                      {"-depth", "8", "-define", "png:color-type=6", "-background", "#ff8000",
                       "-define", "png:exclude-chunk=gAMA,cHRM,sRGB"},
                      6,
                      8,
                      3,
                      1,
                      {"-flatten"}}),
    [](const ::testing::TestParamInfo<MagickPngCase>& info) {
      return std::string(info.param.name);
    });

// With a gAMA chunk libpng blends in linear light: the stored values are
// decoded with the file's gamma, blended, and encoded for the 2.2 screen.
// ImageMagick's flatten blends the stored values instead (up to 9 levels
// apart in the dark parts), so its unblended decoding is blended here the
// way libpng does it, through 8-bit linear tables, to within one level.
TEST(PngAgainstMagickGamma, BackgroundBlendIsInLinearLight) {
  TRIMLET_REQUIRE_MAGICK();
  test::TempDir dir;
  const std::string path = dir.file("in.png");
  std::vector<std::string> args = picture(true);
  args.insert(args.end(),
              {"-depth", "8", "-define", "png:color-type=6", "-background", "#ff8000", path});
  ASSERT_TRUE(test::magickConvert(args));
  auto ours = readPng(path);
  ASSERT_TRUE(ours.ok()) << ours.reason();
  ASSERT_EQ(ours->channels(), 3);
  ImageBuffer theirs = test::magickDecode(path, 4);
  ASSERT_EQ(theirs.width(), ours->width());
  ASSERT_EQ(theirs.height(), ours->height());
  const int background[3] = {255, 128, 0};
  const auto table = [](int v, double exponent) {
    return static_cast<int>(std::floor(255.0 * std::pow(v / 255.0, exponent) + 0.5));
  };
  int worst = 0;
  for (int y = 0; y < theirs.height(); ++y)
    for (int x = 0; x < theirs.width(); ++x) {
      const uint8_t* p = theirs.at(x, y);
      const int a = p[3];
      for (int c = 0; c < 3; ++c) {
        int expected = a == 255 ? p[c] : background[c];
        if (a != 0 && a != 255) {
          const int mixed =
              (table(p[c], 2.2) * a + table(background[c], 2.2) * (255 - a) + 127) / 255;
          expected = table(mixed, 1 / 2.2);
        }
        worst = std::max(worst, std::abs(expected - int(ours->at(x, y)[c])));
      }
    }
  EXPECT_LE(worst, 1);
}

}  // namespace
}  // namespace trimlet

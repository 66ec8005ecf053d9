// The Targa reader against ImageMagick: files of every type ImageMagick
// writes, made with `convert`, must decode to ImageMagick's own pixels.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "imagefile/targa_file.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct MagickTarga {
  std::string name;
  std::vector<std::string> options;  // between the source and the output
  bool alpha;                        // source with transparency
  int type;                          // image type byte the file must have
  int bits;                          // pixel depth the file must have
};
void PrintTo(const MagickTarga& c, std::ostream* os) { *os << c.name; }

class TargaMatchesMagick : public ::testing::TestWithParam<MagickTarga> {};

TEST_P(TargaMatchesMagick, SamePixelsAsImageMagick) {
  TRIMLET_REQUIRE_MAGICK();
  const MagickTarga& c = GetParam();
  test::TempDir dir;
  // 37 x 23 with a gradient, a solid block (runs) and, for 32 bits, alpha.
  const std::string path = dir.file("made.tga");
  std::vector<std::string> args{"-size", "37x23", "gradient:red-blue",  "-fill",
                                "white", "-draw", "rectangle 3,3 20,10"};
  if (c.alpha)
    args.insert(args.end(), {"-alpha", "set", "-channel", "A", "-fx", "(i+j)/60", "+channel"});
  args.insert(args.end(), c.options.begin(), c.options.end());
  args.push_back(path);
  std::string errors;
  ASSERT_TRUE(test::magickConvert(args, &errors)) << errors;

  const std::vector<uint8_t> file = test::readFileBytes(path);
  ASSERT_GE(file.size(), 18u);
  EXPECT_EQ(file[2], c.type) << "convert made another image type";
  EXPECT_EQ(file[16], c.bits) << "convert made another depth";

  auto ours = readTarga(path);
  ASSERT_TRUE(ours.ok()) << ours.reason();
  const int channels = c.bits == 32 ? 4 : 3;
  EXPECT_EQ(ours->channels(), channels);
  // ImageMagick keeps rows in stored order and records the origin separately;
  // -auto-orient applies it, as our reader does.
  const ImageBuffer theirs = test::magickDecode(path, channels, {"-auto-orient"});
  ASSERT_FALSE(theirs.empty());
  EXPECT_TRUE(test::SameImage(theirs, *ours));
}

INSTANTIATE_TEST_SUITE_P(
    Types, TargaMatchesMagick,
    ::testing::Values(
        MagickTarga{"type1_palette", {"-type", "Palette", "-compress", "None"}, false, 1, 8},
        MagickTarga{"type2_24", {"-type", "TrueColor", "-compress", "None"}, false, 2, 24},
        MagickTarga{"type2_32", {"-type", "TrueColorAlpha", "-compress", "None"}, true, 2, 32},
        MagickTarga{"type3_grey", {"-type", "Grayscale", "-compress", "None"}, false, 3, 8},
        MagickTarga{"type9_palette_rle", {"-type", "Palette", "-compress", "RLE"}, false, 9, 8},
        MagickTarga{"type10_24_rle", {"-type", "TrueColor", "-compress", "RLE"}, false, 10, 24},
        MagickTarga{"type10_32_rle", {"-type", "TrueColorAlpha", "-compress", "RLE"}, true, 10, 32},
        MagickTarga{"type11_grey_rle", {"-type", "Grayscale", "-compress", "RLE"}, false, 11, 8}),
    [](const auto& info) { return info.param.name; });

// The other way round: ImageMagick reads our files as we meant them.
class MagickReadsOurTarga : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(MagickReadsOurTarga, SamePixelsAsWritten) {
  TRIMLET_REQUIRE_MAGICK();
  const auto [channels, runLength] = GetParam();
  ImageBuffer image = test::patternImage(29, 7, channels, 3);
  for (int x = 10; x < 29; ++x)
    std::copy(image.at(0, 2), image.at(0, 2) + channels, image.at(x, 2));
  test::TempDir dir;
  const std::string path = dir.file("ours.tga");
  ASSERT_TRUE(writeTarga(path, image, runLength).ok());
  const ImageBuffer theirs = test::magickDecode(path, channels, {"-auto-orient"});
  ASSERT_FALSE(theirs.empty());
  EXPECT_TRUE(test::SameImage(image, theirs));
}

INSTANTIATE_TEST_SUITE_P(Modes, MagickReadsOurTarga,
                         ::testing::Combine(::testing::Values(3, 4), ::testing::Bool()));

}  // namespace
}  // namespace trimlet

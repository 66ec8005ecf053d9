// The PNG reader on known answers (files built byte by byte), its refusals,
// the writer's file layout and round trips, and two reads at once.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <thread>

#include "imagefile/png_file.h"
#include "tests/imagefile/png_bytes.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::be16;
using test::be32;
using test::hasChunk;
using test::imageFromTopRows;
using test::pngChunks;
using test::pngFile;
using test::readFileBytes;
using test::TempDir;
using test::writeFileBytes;

using Bytes = std::vector<uint8_t>;

Result<ImageBuffer> readBytes(const Bytes& bytes) {
  TempDir dir;
  writeFileBytes(dir.file("in.png"), bytes);
  return readPng(dir.file("in.png"));
}

struct ReadCase {
  const char* name;
  Bytes file;
  int channels;
  std::vector<Bytes> expectedTopRows;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class PngRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PngRead, NormalisesToEightBitRgbOrRgba) {
  const ReadCase& c = GetParam();
  auto image = readBytes(c.file);
  ASSERT_TRUE(image.ok()) << image.reason();
  const int width = static_cast<int>(c.expectedTopRows[0].size() / c.channels);
  EXPECT_TRUE(test::SameImage(imageFromTopRows(width, c.channels, c.expectedTopRows), *image));
}

const Bytes kPalette{10, 20, 30, 200, 100, 50};

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, PngRead,
    ::testing::Values(
        ReadCase{"PaletteWithoutTransparency",
                 pngFile(2, 1, 8, 3, {{0, 1}}, {{"PLTE", kPalette}}),
                 3,
                 {{10, 20, 30, 200, 100, 50}}},
        ReadCase{"PaletteWithTransparency",
                 pngFile(2, 1, 8, 3, {{0, 1}}, {{"PLTE", kPalette}, {"tRNS", {255, 128}}}),
                 4,
                 {{10, 20, 30, 255, 200, 100, 50, 128}}},
        ReadCase{"FourBitPalette",
                 pngFile(2, 2, 4, 3, {{0x01}, {0x10}}, {{"PLTE", kPalette}}),
                 3,
                 {{10, 20, 30, 200, 100, 50}, {200, 100, 50, 10, 20, 30}}},
        ReadCase{
            "SixteenBitRgb",
            pngFile(2, 1, 16, 2,
                    {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x01}}),
            3,
            {{0x12, 0x56, 0x9A, 255, 0, 128}}},
        ReadCase{"SixteenBitRgba",
                 pngFile(1, 1, 16, 6, {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x7F, 0xFF}}),
                 4,
                 {{0x12, 0x56, 0x9A, 0x7F}}},
        ReadCase{"Grey", pngFile(2, 1, 8, 0, {{0, 77}}), 3, {{0, 0, 0, 77, 77, 77}}},
        ReadCase{"OneBitGrey",
                 pngFile(3, 1, 1, 0, {{0xA0}}),
                 3,
                 {{255, 255, 255, 0, 0, 0, 255, 255, 255}}},
        ReadCase{"TwoBitGrey",
                 pngFile(4, 1, 2, 0, {{0x1B}}),
                 3,
                 {{0, 0, 0, 85, 85, 85, 170, 170, 170, 255, 255, 255}}},
        ReadCase{"GreyWithAlpha",
                 pngFile(2, 1, 8, 4, {{50, 255, 60, 0}}),
                 4,
                 {{50, 50, 50, 255, 60, 60, 60, 0}}},
        ReadCase{"SixteenBitGreyWithAlpha",
                 pngFile(1, 1, 16, 4, {{0xC8, 0x01, 0x40, 0xFF}}),
                 4,
                 {{0xC8, 0xC8, 0xC8, 0x40}}},
        ReadCase{"RgbWithTransparentColour",
                 pngFile(2, 1, 8, 2, {{1, 2, 3, 4, 5, 6}}, {{"tRNS", {0, 1, 0, 2, 0, 3}}}),
                 4,
                 {{1, 2, 3, 0, 4, 5, 6, 255}}},
        ReadCase{"GreyWithTransparentValue",
                 pngFile(2, 1, 8, 0, {{0, 77}}, {{"tRNS", be16(77)}}),
                 4,
                 {{0, 0, 0, 255, 77, 77, 77, 0}}},
        // Composited onto the background: opaque keeps the colour,
        // transparent gives the background, half way rounds like libpng.
        ReadCase{"RgbaWithBackground",
                 pngFile(3, 1, 8, 6, {{200, 100, 0, 255, 200, 100, 0, 0, 200, 100, 0, 128}},
                         {{"bKGD", {0, 0, 0, 0, 0, 255}}}),
                 3,
                 {{200, 100, 0, 0, 0, 255, 100, 50, 127}}},
        ReadCase{"GreyAlphaWithBackground",
                 pngFile(2, 1, 8, 4, {{0, 255, 0, 0}}, {{"bKGD", be16(200)}}),
                 3,
                 {{0, 0, 0, 200, 200, 200}}},
        ReadCase{"PaletteTransparencyWithBackground",
                 pngFile(2, 1, 8, 3, {{0, 1}}, {{"PLTE", kPalette}, {"tRNS", {0}}, {"bKGD", {1}}}),
                 3,
                 {{200, 100, 50, 200, 100, 50}}},
        ReadCase{"BackgroundWithoutAlphaChangesNothing",
                 pngFile(1, 1, 8, 2, {{9, 8, 7}}, {{"bKGD", {0, 1, 0, 1, 0, 1}}}),
                 3,
                 {{9, 8, 7}}},
        // A file gamma of 1/2.2 matches the screen gamma: nothing changes.
        ReadCase{"GammaOfTheScreen",
                 pngFile(3, 1, 8, 2, {{0, 64, 128, 200, 255, 1, 2, 3, 4}}, {{"gAMA", be32(45455)}}),
                 3,
                 {{0, 64, 128, 200, 255, 1, 2, 3, 4}}},
        // A linear file (gamma 1.0) is brightened for the 2.2 screen:
        // 255 * (v / 255)^(1 / 2.2), rounded.
        ReadCase{"LinearGamma",
                 pngFile(2, 1, 8, 2, {{0, 64, 128, 200, 255, 255}}, {{"gAMA", be32(100000)}}),
                 3,
                 {{0, 136, 186, 228, 255, 255}}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  Bytes file;
  const char* reasonPart;
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

Bytes truncated(Bytes file, size_t keep) {
  file.resize(keep);
  return file;
}

Bytes flipByte(Bytes file, size_t at) {
  file[at] ^= 0xFF;
  return file;
}

const Bytes kGoodRgb = pngFile(2, 2, 8, 2, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});

class PngRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(PngRefused, GivesNoImageAndAReason) {
  auto image = readBytes(GetParam().file);
  ASSERT_FALSE(image.ok());
  EXPECT_NE(image.reason().find(GetParam().reasonPart), std::string::npos) << image.reason();
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, PngRefused,
    ::testing::Values(
        RefusedCase{
            "JpegNamedPng", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1}, "not a PNG"},
        RefusedCase{"Empty", {}, "not a PNG"},
        RefusedCase{"ShortSignature", truncated(kGoodRgb, 7), "not a PNG"},
        RefusedCase{"SignatureOnly", truncated(kGoodRgb, 8), "Read Error"},
        RefusedCase{"HeaderCrc", flipByte(kGoodRgb, 29), "CRC"},
        RefusedCase{"TruncatedImageData", truncated(kGoodRgb, kGoodRgb.size() - 20), ""},
        RefusedCase{"ZeroWidth", pngFile(0, 1, 8, 2, {{}}), "IHDR"},
        RefusedCase{"BadColourType", pngFile(1, 1, 8, 5, {{0}}), "IHDR"},
        RefusedCase{"BadDepth", pngFile(1, 1, 3, 2, {{0}}), "IHDR"},
        // Tiny file, huge claim: refused before anything is allocated.
        RefusedCase{"HugeClaimedSize", pngFile(100000, 100000, 8, 2, {{0}}), "too large"},
        RefusedCase{"PaletteMissing", pngFile(1, 1, 8, 3, {{0}}), ""},
        RefusedCase{"NoImageData", truncated(kGoodRgb, 33), ""}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(PngRefused, MissingFileGivesAReason) {
  auto image = readPng("/nonexistent/folder/shot.png");
  EXPECT_FALSE(image.ok());
  EXPECT_FALSE(image.reason().empty());
}

// Only a library error prints its line; a file that is not a PNG at all is
// refused quietly.
TEST(PngRefused, LibraryErrorsGoToStandardErrorAndWrongSignatureIsQuiet) {
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(readBytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 0, 0, 0, 0, 0}).ok());
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(readBytes(flipByte(kGoodRgb, 29)).ok());
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("libpng error: "), std::string::npos);
}

// The header fields of a written file: width, height, depth, colour type,
// interlace method.
struct Header {
  uint32_t width = 0, height = 0;
  int depth = 0, colourType = 0, interlace = 0;
};
Header headerOf(const Bytes& file) {
  Header h;
  const auto chunks = pngChunks(file);
  if (chunks.empty() || chunks[0].type != "IHDR" || chunks[0].data.size() != 13) return h;
  const Bytes& d = chunks[0].data;
  h.width = (uint32_t(d[0]) << 24) | (uint32_t(d[1]) << 16) | (uint32_t(d[2]) << 8) | d[3];
  h.height = (uint32_t(d[4]) << 24) | (uint32_t(d[5]) << 16) | (uint32_t(d[6]) << 8) | d[7];
  h.depth = d[8];
  h.colourType = d[9];
  h.interlace = d[12];
  return h;
}

class PngWrite : public ::testing::TestWithParam<int> {};

TEST_P(PngWrite, ThreeByTwoComesBackIdenticalRowOrderIncluded) {
  const int channels = GetParam();
  TempDir dir;
  Bytes top, bottom;
  for (int i = 0; i < 3 * channels; ++i) {
    top.push_back(static_cast<uint8_t>(10 + i));
    bottom.push_back(static_cast<uint8_t>(200 + i));
  }
  ImageBuffer image = imageFromTopRows(3, channels, {top, bottom});
  auto before = image.clone();
  ASSERT_TRUE(writePng(dir.file("out.png"), image).ok());
  EXPECT_TRUE(test::SameImage(*before, image)) << "the caller's buffer changed";

  const Bytes file = readFileBytes(dir.file("out.png"));
  const Header h = headerOf(file);
  EXPECT_EQ(h.width, 3u);
  EXPECT_EQ(h.height, 2u);
  EXPECT_EQ(h.depth, 8);
  EXPECT_EQ(h.colourType, channels == 4 ? 6 : 2);
  EXPECT_EQ(h.interlace, 0);
  EXPECT_FALSE(hasChunk(file, "gAMA"));

  auto back = readPng(dir.file("out.png"));
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_TRUE(test::SameImage(image, *back));
  // The top row of the picture is the first row of the file.
  EXPECT_EQ(test::pixelAt(*back, 0, 1)[0], 10);
}

TEST_P(PngWrite, InterlacedOnRequestAndStillIdentical) {
  TempDir dir;
  ImageBuffer image = test::patternImage(13, 11, GetParam());
  ASSERT_TRUE(writePng(dir.file("i.png"), image, true).ok());
  EXPECT_EQ(headerOf(readFileBytes(dir.file("i.png"))).interlace, 1);
  auto back = readPng(dir.file("i.png"));
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_TRUE(test::SameImage(image, *back));
}

INSTANTIATE_TEST_SUITE_P(Channels, PngWrite, ::testing::Values(3, 4));

TEST(PngWriteGamma, ChunkOnlyWhenGammaDiffersFromOne) {
  TempDir dir;
  ImageBuffer image = test::solidImage(2, 2, {1, 2, 3});
  ASSERT_TRUE(writePng(dir.file("g.png"), image, false, 0.5).ok());
  bool found = false;
  for (const auto& chunk : pngChunks(readFileBytes(dir.file("g.png"))))
    if (chunk.type == "gAMA") {
      found = true;
      EXPECT_EQ(chunk.data, be32(50000));
    }
  EXPECT_TRUE(found);
  ASSERT_TRUE(writePng(dir.file("g1.png"), image, false, 1.0).ok());
  EXPECT_FALSE(hasChunk(readFileBytes(dir.file("g1.png")), "gAMA"));
}

TEST(PngWriteRefused, ImpossibleInputWritesNothing) {
  TempDir dir;
  EXPECT_FALSE(writePng(dir.file("a.png"), test::solidImage(2, 2, {7})).ok());
  EXPECT_FALSE(writePng(dir.file("b.png"), ImageBuffer()).ok());
  EXPECT_FALSE(writePng(dir.file("c.png"), test::solidImage(2, 2, {1, 2, 3}), false, 0.0).ok());
  EXPECT_FALSE(writePng(dir.file("d.png"), test::solidImage(2, 2, {1, 2, 3}), false, NAN).ok());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Two reads at once, one of a corrupt file: each keeps its own library
// state and jump point, so both give their own right answer every time.
TEST(PngThreads, TwoReadsAtOnceBothGiveTheRightResult) {
  TempDir dir;
  ImageBuffer image = test::patternImage(300, 200, 4);
  ASSERT_TRUE(writePng(dir.file("good.png"), image).ok());
  Bytes corrupt = readFileBytes(dir.file("good.png"));
  corrupt[corrupt.size() / 2] ^= 0x5A;  // a CRC error in the middle of the image data
  writeFileBytes(dir.file("bad.png"), corrupt);

  constexpr int kRounds = 25;
  int goodRight = 0, badRefused = 0;
  ::testing::internal::CaptureStderr();
  std::thread goodReader([&] {
    for (int i = 0; i < kRounds; ++i) {
      auto read = readPng(dir.file("good.png"));
      if (read.ok() && test::SameImage(image, *read)) ++goodRight;
    }
  });
  std::thread badReader([&] {
    for (int i = 0; i < kRounds; ++i)
      if (!readPng(dir.file("bad.png")).ok()) ++badRefused;
  });
  goodReader.join();
  badReader.join();
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(goodRight, kRounds);
  EXPECT_EQ(badRefused, kRounds);
}

}  // namespace
}  // namespace trimlet

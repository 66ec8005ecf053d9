// The Targa writer: header and run-length packets byte by byte, round trips,
// and the refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagefile/targa_file.h"
#include "tests/imagefile/file_bytes_builder.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using filebytes::append;
using filebytes::Bytes;

Bytes writeAndRead(const ImageBuffer& image, bool runLength) {
  test::TempDir dir;
  const std::string path = dir.file("out.tga");
  const Status written = writeTarga(path, image, runLength);
  EXPECT_TRUE(written.ok()) << written.reason();
  return test::readFileBytes(path);
}

Bytes expectedHeader(int type, int width, int height, int bits, int descriptor) {
  return {0,
          0,
          static_cast<uint8_t>(type),
          0,
          0,
          0,
          0,
          0,
          0,
          0,
          0,
          0,
          static_cast<uint8_t>(width & 0xFF),
          static_cast<uint8_t>(width >> 8),
          static_cast<uint8_t>(height & 0xFF),
          static_cast<uint8_t>(height >> 8),
          static_cast<uint8_t>(bits),
          static_cast<uint8_t>(descriptor)};
}

// One row of pixels (left to right) and the packets it must become.
struct PacketCase {
  std::string name;
  int channels;
  std::vector<Bytes> pixels;  // red, green, blue (, alpha)
  Bytes packets;
};
void PrintTo(const PacketCase& c, std::ostream* os) { *os << c.name; }

class TargaPackets : public ::testing::TestWithParam<PacketCase> {};

TEST_P(TargaPackets, RowBecomesExactlyThesePackets) {
  const PacketCase& c = GetParam();
  Bytes row;
  for (const Bytes& p : c.pixels) append(&row, p);
  const int width = static_cast<int>(c.pixels.size());
  const ImageBuffer image = test::imageFromTopRows(width, c.channels, {row});
  Bytes expected = expectedHeader(10, width, 1, c.channels * 8, c.channels == 4 ? 8 : 0);
  append(&expected, c.packets);
  EXPECT_EQ(writeAndRead(image, true), expected);
}

std::vector<Bytes> repeat(const Bytes& pixel, int n) { return std::vector<Bytes>(n, pixel); }

std::vector<PacketCase> packetCases() {
  const Bytes a{10, 20, 30}, b{40, 50, 60};
  std::vector<Bytes> alternating;
  for (int i = 0; i < 5; ++i) alternating.push_back(i % 2 ? b : a);
  std::vector<Bytes> longRun = repeat(a, 128);
  longRun.push_back(b);
  std::vector<Bytes> runThenSingle = repeat(a, 2);
  runThenSingle.push_back(b);
  return {
      {"three_identical", 3, repeat(a, 3), {130, 30, 20, 10}},
      {"one_pixel", 3, repeat(a, 1), {0, 30, 20, 10}},
      {"alternating_one_raw_packet_each", 3, alternating, {0,  30, 20, 10, 0,  60, 50, 40, 0,  30,
                                                           20, 10, 0,  60, 50, 40, 0,  30, 20, 10}},
      {"two_hundred_identical", 3, repeat(a, 200), {255, 30, 20, 10, 199, 30, 20, 10}},
      {"run_of_128_then_one", 3, longRun, {255, 30, 20, 10, 0, 60, 50, 40}},
      {"run_then_single", 3, runThenSingle, {129, 30, 20, 10, 0, 60, 50, 40}},
      {"alpha_breaks_a_run",
       4,
       {{1, 2, 3, 4}, {1, 2, 3, 5}, {1, 2, 3, 5}},
       {0, 3, 2, 1, 4, 129, 3, 2, 1, 5}},
  };
}

INSTANTIATE_TEST_SUITE_P(RunLength, TargaPackets, ::testing::ValuesIn(packetCases()),
                         [](const auto& info) { return info.param.name; });

TEST(TargaWriter, RunsNeverCrossRows) {
  // 2 x 2 of one colour: one run per row, not one run of four.
  const ImageBuffer image = test::solidImage(2, 2, {1, 2, 3});
  Bytes expected = expectedHeader(10, 2, 2, 24, 0);
  append(&expected, {129, 3, 2, 1, 129, 3, 2, 1});
  EXPECT_EQ(writeAndRead(image, true), expected);
}

TEST(TargaWriter, UncompressedThirtyTwoBitsHasDescriptorEightAndRowsBottomFirst) {
  const ImageBuffer image =
      test::imageFromTopRows(2, 4, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}});
  Bytes expected = expectedHeader(2, 2, 2, 32, 8);
  append(&expected, {11, 10, 9, 12, 15, 14, 13, 16, 3, 2, 1, 4, 7, 6, 5, 8});
  EXPECT_EQ(writeAndRead(image, false), expected);
}

TEST(TargaWriter, UncompressedTwentyFourBitsHasDescriptorZero) {
  const ImageBuffer image = test::imageFromTopRows(1, 3, {{1, 2, 3}, {4, 5, 6}});
  Bytes expected = expectedHeader(2, 1, 2, 24, 0);
  append(&expected, {6, 5, 4, 3, 2, 1});
  EXPECT_EQ(writeAndRead(image, false), expected);
}

TEST(TargaWriter, WidthAndHeightAreLittleEndianWords) {
  const Bytes file = writeAndRead(test::solidImage(300, 1, {0, 0, 0}), false);
  ASSERT_GE(file.size(), 18u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 18), expectedHeader(2, 300, 1, 24, 0));
}

TEST(TargaWriter, RefusesSidesAboveWhatTheHeaderHolds) {
  test::TempDir dir;
  for (auto [w, h] : {std::pair{65536, 1}, std::pair{1, 65536}}) {
    const std::string path = dir.file("big.tga");
    const Status written = writeTarga(path, test::solidImage(w, h, {1, 2, 3}), true);
    EXPECT_FALSE(written.ok()) << w << " x " << h;
    EXPECT_NE(written.reason().find("65535"), std::string::npos) << written.reason();
    EXPECT_FALSE(test::fileExists(path));
  }
  // 65535 itself fits.
  EXPECT_TRUE(writeTarga(dir.file("edge.tga"), test::solidImage(65535, 1, {1, 2, 3}), true).ok());
}

TEST(TargaWriter, RefusesGreyImagesAndEmptyBuffers) {
  test::TempDir dir;
  EXPECT_FALSE(writeTarga(dir.file("a.tga"), test::solidImage(2, 2, {7}), false).ok());
  EXPECT_FALSE(writeTarga(dir.file("b.tga"), ImageBuffer(), false).ok());
  EXPECT_FALSE(test::fileExists(dir.file("a.tga")));
  EXPECT_FALSE(test::fileExists(dir.file("b.tga")));
}

TEST(TargaWriter, UnwritableFolderGivesAReasonAndLeavesNothing) {
  const Status written =
      writeTarga("/nonexistent/folder/out.tga", test::solidImage(1, 1, {1, 2, 3}), false);
  EXPECT_FALSE(written.ok());
  EXPECT_FALSE(written.reason().empty());
}

TEST(TargaWriter, ReplacesAnExistingFile) {
  test::TempDir dir;
  const std::string path = dir.file("old.tga");
  test::writeFileBytes(path, Bytes(1000, 0xAB));
  ASSERT_TRUE(writeTarga(path, test::solidImage(1, 1, {1, 2, 3}), false).ok());
  EXPECT_EQ(test::readFileBytes(path).size(), 18u + 3u);
}

// Round trips through the reader at every channel count and both modes.
struct RoundTrip {
  int width;
  int height;
  int channels;
  bool runLength;
};
void PrintTo(const RoundTrip& c, std::ostream* os) {
  *os << c.width << "x" << c.height << "x" << c.channels << (c.runLength ? " rle" : " raw");
}

class TargaRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(TargaRoundTrip, ReadsBackTheSamePixels) {
  const RoundTrip c = GetParam();
  // Noise with solid stretches, so both packet kinds and long runs occur.
  ImageBuffer image = test::patternImage(c.width, c.height, c.channels, 7);
  for (int y = 0; y < c.height; y += 2)
    for (int x = c.width / 3; x < c.width; ++x)
      std::copy(image.at(0, y), image.at(0, y) + c.channels, image.at(x, y));
  test::TempDir dir;
  const std::string path = dir.file("trip.tga");
  ASSERT_TRUE(writeTarga(path, image, c.runLength).ok());
  auto back = readTarga(path);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_TRUE(test::SameImage(image, *back));
  if (!c.runLength) {
    EXPECT_EQ(test::readFileBytes(path).size(), 18u + image.byteCount());
  }
}

std::vector<RoundTrip> roundTrips() {
  std::vector<RoundTrip> trips;
  for (int width : {1, 2, 3, 5, 127, 128, 129, 300})
    for (int channels : {3, 4})
      for (bool rle : {false, true}) trips.push_back({width, 3, channels, rle});
  return trips;
}

INSTANTIATE_TEST_SUITE_P(Widths, TargaRoundTrip, ::testing::ValuesIn(roundTrips()));

}  // namespace
}  // namespace trimlet

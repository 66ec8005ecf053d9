// The bitmap writer: the 54-byte header and padded rows byte by byte, round
// trips through the reader, and failures that leave nothing behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagefile/bitmap_file.h"
#include "tests/imagefile/file_bytes_builder.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using filebytes::append;
using filebytes::Bytes;

Bytes writeToBytes(const ImageBuffer& image) {
  test::TempDir dir;
  const std::string path = dir.file("out.bmp");
  const Status written = writeBitmap(path, image);
  EXPECT_TRUE(written.ok()) << written.reason();
  return test::readFileBytes(path);
}

uint32_t field32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

TEST(BitmapWriter, OnePixelIsFiftyEightBytes) {
  const Bytes file = writeToBytes(test::solidImage(1, 1, {10, 20, 30}));
  const Bytes expected{
      'B', 'M', 58, 0, 0, 0,        // signature, file size
      0,   0,   0,  0,              // reserved
      54,  0,   0,  0,              // pixel data offset
      40,  0,   0,  0,              // info header size
      1,   0,   0,  0,              // width
      1,   0,   0,  0,              // height (bottom-up)
      1,   0,                       // planes
      24,  0,                       // bits per pixel
      0,   0,   0,  0,              // compression
      4,   0,   0,  0,              // image size: one padded row
      0,   0,   0,  0, 0, 0, 0, 0,  // resolutions
      0,   0,   0,  0, 0, 0, 0, 0,  // colours used, important
      30,  20,  10, 0,              // blue, green, red, one padding byte
  };
  EXPECT_EQ(file, expected);
}

TEST(BitmapWriter, FourPixelRowsNeedNoPadding) {
  const ImageBuffer image = test::patternImage(4, 3, 3);
  const Bytes file = writeToBytes(image);
  ASSERT_EQ(file.size(), 54u + 3u * 12u);
  EXPECT_EQ(field32(file, 2), 54u + 36u);
  EXPECT_EQ(field32(file, 34), 36u);
  // The second stored row is buffer row 1, blue first.
  for (int x = 0; x < 4; ++x) {
    const uint8_t* p = image.at(x, 1);
    EXPECT_EQ((Bytes{file[54 + 12 + 3 * x], file[55 + 12 + 3 * x], file[56 + 12 + 3 * x]}),
              (Bytes{p[2], p[1], p[0]}));
  }
}

TEST(BitmapWriter, RowsAreBottomUpAndPaddedWithZeros) {
  const ImageBuffer image = test::imageFromTopRows(1, 3, {{1, 2, 3}, {4, 5, 6}});
  const Bytes file = writeToBytes(image);
  EXPECT_EQ(Bytes(file.begin() + 54, file.end()), (Bytes{6, 5, 4, 0, 3, 2, 1, 0}));
  EXPECT_EQ(static_cast<int32_t>(field32(file, 22)), 2);  // positive: bottom-up
}

TEST(BitmapWriter, TheSameResultTwiceGivesIdenticalFiles) {
  const ImageBuffer image = test::patternImage(7, 5, 3, 11);
  EXPECT_EQ(writeToBytes(image), writeToBytes(image));
}

TEST(BitmapWriter, FourthByteIsNotWritten) {
  const ImageBuffer rgba = test::imageFromTopRows(2, 4, {{1, 2, 3, 99, 4, 5, 6, 99}});
  const Bytes file = writeToBytes(rgba);
  EXPECT_EQ(Bytes(file.begin() + 54, file.end()), (Bytes{3, 2, 1, 6, 5, 4, 0, 0}));
}

TEST(BitmapWriter, RefusesGreyAndEmptyImagesWritingNothing) {
  test::TempDir dir;
  EXPECT_FALSE(writeBitmap(dir.file("a.bmp"), test::solidImage(1, 1, {5})).ok());
  EXPECT_FALSE(writeBitmap(dir.file("b.bmp"), ImageBuffer()).ok());
  EXPECT_FALSE(test::fileExists(dir.file("a.bmp")));
  EXPECT_FALSE(test::fileExists(dir.file("b.bmp")));
}

TEST(BitmapWriter, UnwritableFolderGivesAReason) {
  const Status written =
      writeBitmap("/nonexistent/folder/x.bmp", test::solidImage(1, 1, {1, 2, 3}));
  EXPECT_FALSE(written.ok());
  EXPECT_FALSE(written.reason().empty());
}

TEST(BitmapWriter, ReplacesAnExistingFile) {
  test::TempDir dir;
  const std::string path = dir.file("old.bmp");
  test::writeFileBytes(path, Bytes(500, 0xCD));
  ASSERT_TRUE(writeBitmap(path, test::solidImage(1, 1, {1, 2, 3})).ok());
  EXPECT_EQ(test::readFileBytes(path).size(), 58u);
}

struct Trip {
  int width;
  int channels;
};
void PrintTo(const Trip& t, std::ostream* os) { *os << "width " << t.width << " x" << t.channels; }

class BitmapRoundTrip : public ::testing::TestWithParam<Trip> {};

TEST_P(BitmapRoundTrip, ReadsBackTheRedGreenBlue) {
  const Trip t = GetParam();
  const ImageBuffer image = test::patternImage(t.width, 3, t.channels, t.width);
  test::TempDir dir;
  const std::string path = dir.file("trip.bmp");
  ASSERT_TRUE(writeBitmap(path, image).ok());
  const size_t stride = (3 * t.width + 3) / 4 * 4;
  EXPECT_EQ(test::readFileBytes(path).size(), 54 + 3 * stride);
  auto back = readBitmap(path);
  ASSERT_TRUE(back.ok()) << back.reason();
  // Three channels always; a fourth input byte is dropped.
  auto expected = ImageBuffer::create(t.width, 3, 3);
  ASSERT_TRUE(expected.ok());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < t.width; ++x)
      std::copy(image.at(x, y), image.at(x, y) + 3, expected->at(x, y));
  EXPECT_TRUE(test::SameImage(*expected, *back));
}

INSTANTIATE_TEST_SUITE_P(PaddedWidths, BitmapRoundTrip,
                         ::testing::Values(Trip{1, 3}, Trip{2, 3}, Trip{3, 3}, Trip{4, 3},
                                           Trip{5, 3}, Trip{6, 3}, Trip{7, 3}, Trip{127, 3},
                                           Trip{1, 4}, Trip{2, 4}, Trip{3, 4}, Trip{5, 4},
                                           Trip{128, 4}));

}  // namespace
}  // namespace trimlet

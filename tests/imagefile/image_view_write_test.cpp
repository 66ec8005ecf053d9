// The writers read through ImageView: a box of a larger buffer is written
// byte for byte as the same pixels copied into a buffer of their own, in
// every format, with three and four channels.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/image/image_view.h"
#include "imagefile/image_format.h"
#include "imagefile/jpeg_file.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::readFileBytes;
using test::TempDir;

struct ViewCase {
  const char* name;  // the file name gives the format
  int channels;
  bool targaRle;
};
void PrintTo(const ViewCase& c, std::ostream* os) {
  *os << c.name << ", " << c.channels << " channels" << (c.targaRle ? ", run-length" : "");
}

// The box's pixels copied row by row into a buffer of their own.
ImageBuffer copiedBox(const ImageBuffer& image, int left, int top, int width, int height) {
  auto out = ImageBuffer::create(width, height, image.channels());
  EXPECT_TRUE(out.ok());
  for (int y = 0; y < height; ++y) std::memcpy(out->row(y), image.at(left, top + y), out->stride());
  return out.take();
}

class WriteFromBox : public ::testing::TestWithParam<ViewCase> {};

TEST_P(WriteFromBox, WritesTheSameFileAsACopy) {
  const ViewCase c = GetParam();
  TempDir dir;
  // Widths that are not multiples of the codecs' blocks or vector widths.
  const ImageBuffer whole = test::patternImage(157, 93, c.channels, 7);
  const ImageView box = ImageView::box(whole, 13, 21, 101, 59);
  ASSERT_FALSE(box.empty());
  EXPECT_EQ(box.width(), 101);
  EXPECT_EQ(box.height(), 59);
  WriteOptions options;
  options.jpegQuality = 83;
  options.targaRle = c.targaRle;
  const SourceFormat format = sourceFormatOf(c.name);
  ASSERT_TRUE(writeImageFile(format, dir.file(std::string("view_") + c.name), box, options).ok());
  ASSERT_TRUE(writeImageFile(format, dir.file(std::string("copy_") + c.name),
                             copiedBox(whole, 13, 21, 101, 59), options)
                  .ok());
  EXPECT_EQ(readFileBytes(dir.file(std::string("view_") + c.name)),
            readFileBytes(dir.file(std::string("copy_") + c.name)));
}

INSTANTIATE_TEST_SUITE_P(Formats, WriteFromBox,
                         ::testing::Values(ViewCase{"a.jpg", 3, false}, ViewCase{"a.jpg", 4, false},
                                           ViewCase{"a.png", 3, false}, ViewCase{"a.png", 4, false},
                                           ViewCase{"a.tga", 3, false}, ViewCase{"a.tga", 4, true},
                                           ViewCase{"a.bmp", 3, false}));

TEST(ImageViewBox, OutsideTheBufferIsEmpty) {
  const ImageBuffer whole = test::patternImage(10, 8, 3);
  EXPECT_TRUE(ImageView::box(whole, -1, 0, 5, 5).empty());
  EXPECT_TRUE(ImageView::box(whole, 0, 0, 11, 5).empty());
  EXPECT_TRUE(ImageView::box(whole, 6, 0, 5, 5).empty());
  EXPECT_TRUE(ImageView::box(whole, 0, 4, 5, 5).empty());
  EXPECT_TRUE(ImageView::box(whole, 0, 0, 0, 5).empty());
  EXPECT_TRUE(ImageView::box(ImageBuffer(), 0, 0, 1, 1).empty());
  const ImageView corner = ImageView::box(whole, 5, 3, 5, 5);
  ASSERT_FALSE(corner.empty());
  EXPECT_EQ(corner.row(4), whole.at(5, 7));
  EXPECT_EQ(corner.rowBytes(), 15u);
}

// The fourth byte goes to the library as it is: the file equals the one
// written from the three colour bytes, for a picture wide and varied enough
// to go through the library's vector conversion.
TEST(JpegFromFourChannels, EqualsTheThreeChannelFile) {
  TempDir dir;
  const ImageBuffer four = test::patternImage(203, 37, 4, 3);
  auto three = ImageBuffer::create(203, 37, 3);
  ASSERT_TRUE(three.ok());
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 203; ++x) std::memcpy(three->at(x, y), four.at(x, y), 3);
  ASSERT_TRUE(writeJpeg(dir.file("four.jpg"), four, 90).ok());
  ASSERT_TRUE(writeJpeg(dir.file("three.jpg"), *three, 90).ok());
  EXPECT_EQ(readFileBytes(dir.file("four.jpg")), readFileBytes(dir.file("three.jpg")));
}

}  // namespace
}  // namespace trimlet

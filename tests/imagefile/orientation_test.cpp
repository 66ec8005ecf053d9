// Pictures turned upright for each EXIF orientation: by the function alone
// on exact pixels, and through the JPEG reader with its option.
#include <gtest/gtest.h>

#include <cstring>

#include "imagefile/image_format.h"
#include "imagefile/orientation.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

// Where the stored picture's first row and first column are shown, as the
// EXIF standard defines each orientation.
enum Side { kTop, kBottom, kLeft, kRight };
struct OrientationCase {
  int orientation;
  Side firstRow, firstColumn;
};
void PrintTo(const OrientationCase& c, std::ostream* os) { *os << "orientation " << c.orientation; }

// The stored form of `upright` (pixels given top-down in picture
// coordinates) for one orientation, built from the definition above.
ImageBuffer storedFrom(const ImageBuffer& upright, const OrientationCase& c) {
  const int w = upright.width(), h = upright.height();
  const bool rowsAcross = c.firstRow == kTop || c.firstRow == kBottom;
  const int storedW = rowsAcross ? w : h, storedH = rowsAcross ? h : w;
  auto stored = ImageBuffer::create(storedW, storedH, upright.channels());
  for (int r = 0; r < storedH; ++r)
    for (int col = 0; col < storedW; ++col) {
      int x, y;  // shown column and row, top-down
      if (rowsAcross) {
        y = c.firstRow == kTop ? r : h - 1 - r;
        x = c.firstColumn == kLeft ? col : w - 1 - col;
      } else {
        x = c.firstRow == kLeft ? r : w - 1 - r;
        y = c.firstColumn == kTop ? col : h - 1 - col;
      }
      std::memcpy(stored->at(col, storedH - 1 - r), upright.at(x, h - 1 - y), upright.channels());
    }
  return stored.take();
}

class ExifOrientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(ExifOrientation, TurnsTheStoredPictureUpright) {
  const ImageBuffer upright = test::patternImage(5, 3, 3);
  const ImageBuffer stored = storedFrom(upright, GetParam());
  auto turned = applyExifOrientation(stored, GetParam().orientation);
  ASSERT_TRUE(turned.ok()) << turned.reason();
  EXPECT_TRUE(test::SameImage(upright, *turned));
}

// Through the reader: a JPEG of flat 8 x 8 blocks (exact enough at quality
// 100) with the orientation in its EXIF reads upright, or as stored when
// the option is off.
TEST_P(ExifOrientation, JpegReaderTurnsUprightUnlessToldNot) {
  const auto [orientation, firstRow, firstColumn] = GetParam();
  const ImageBuffer blocks = test::patternImage(3, 2, 3, 7);
  auto upright = ImageBuffer::create(24, 16, 3);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) std::memcpy(upright->at(x, y), blocks.at(x / 8, y / 8), 3);
  const ImageBuffer stored = storedFrom(*upright, GetParam());
  test::TempDir dir;
  test::writeFileBytes(
      dir.file("in.jpg"),
      test::jpegFile(stored, 1, 1, {test::exifMarker(test::exifBlock(orientation))}));

  ImageMetadata metadata;
  auto read = readImageFileWithMetadata(kSourceJpeg, dir.file("in.jpg"), &metadata);
  ASSERT_TRUE(read.ok()) << read.reason();
  EXPECT_EQ(metadata.orientation, orientation);
  ASSERT_EQ(read->width(), 24);
  for (int y = 4; y < 16; y += 8)
    for (int x = 4; x < 24; x += 8)
      for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(read->at(x, y)[c], upright->at(x, y)[c], 2) << "block at " << x << ", " << y;

  ReadOptions asStored;
  asStored.applyOrientation = false;
  auto raw = readImageFile(kSourceJpeg, dir.file("in.jpg"), asStored);
  ASSERT_TRUE(raw.ok());
  EXPECT_EQ(raw->width(), stored.width());
  EXPECT_EQ(raw->height(), stored.height());
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, ExifOrientation,
    ::testing::Values(OrientationCase{1, kTop, kLeft}, OrientationCase{2, kTop, kRight},
                      OrientationCase{3, kBottom, kRight}, OrientationCase{4, kBottom, kLeft},
                      OrientationCase{5, kLeft, kTop}, OrientationCase{6, kRight, kTop},
                      OrientationCase{7, kRight, kBottom}, OrientationCase{8, kLeft, kBottom}));

TEST(ExifOrientation, ValuesOutsideOneToEightAreRefused) {
  const ImageBuffer image = test::patternImage(2, 2, 3);
  EXPECT_FALSE(applyExifOrientation(image, 0).ok());
  EXPECT_FALSE(applyExifOrientation(image, 9).ok());
  EXPECT_FALSE(applyExifOrientation(ImageBuffer(), 1).ok());
}

}  // namespace
}  // namespace trimlet

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

// Through the reader: the orientation comes from the file's EXIF and the
// pixels are turned by it, unless the option keeps them as stored.
TEST_P(ExifOrientation, JpegReaderTurnsUprightUnlessToldNot) {
  const int orientation = GetParam().orientation;
  test::TempDir dir;
  const std::string path = dir.file("in.jpg");
  test::writeFileBytes(path, test::jpegFile(test::patternImage(24, 16, 3), 1, 1,
                                            {test::exifMarker(test::exifBlock(orientation))}));
  ReadOptions asStored;
  asStored.applyOrientation = false;
  auto stored = readImageFile(SourceFormat::kJpeg, path, asStored);
  ImageMetadata metadata;
  auto upright = readImageFileWithMetadata(SourceFormat::kJpeg, path, &metadata);
  ASSERT_TRUE(stored.ok() && upright.ok());
  EXPECT_EQ(metadata.orientation, orientation);
  EXPECT_EQ(stored->width(), 24);
  EXPECT_TRUE(test::SameImage(*applyExifOrientation(*stored, orientation), *upright));
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

// Thumbnails from reduced copies: the scale chosen for a size, the weighed
// scaler against the whole-picture scaler (byte for byte where the reduced
// pixels are exact, for every orientation), and JPEG thumbnails against
// those of a whole decode; other formats unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "browser/model/dib_rows.h"
#include "browser/model/thumbnail_make.h"
#include "browser/model/thumbnail_reduced.h"
#include "browser/model/thumbnail_scale.h"
#include "imagefile/image_format.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/orientation.h"
#include "imagefile/png_file.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

// ---- the scale for a size ----

struct EighthsCase {
  int width, height, eighths;
};
void PrintTo(const EighthsCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " -> " << c.eighths << "/8";
}

class ThumbnailScale : public ::testing::TestWithParam<EighthsCase> {};

TEST_P(ThumbnailScale, IsAnEighthWhereABlockSpansAReducedPixelElseTheWhole) {
  EXPECT_EQ(ThumbnailEighths(GetParam().width, GetParam().height), GetParam().eighths);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ThumbnailScale,
                         ::testing::Values(EighthsCase{4000, 3000, 1}, EighthsCase{3000, 4000, 1},
                                           EighthsCase{384, 384, 1},  // f = 8
                                           EighthsCase{800, 100, 1},  // h' = 6, f = 16
                                           EighthsCase{383, 383, 8},  // f = 7
                                           EighthsCase{383, 100, 8},  // f = 7
                                           EighthsCase{100, 75, 8},   // f = 2
                                           EighthsCase{20, 10, 8},    // not enlarged
                                           EighthsCase{5000, 50,
                                                       1}));  // too narrow: refused cheaply

// ---- the weighed scaler against the whole-picture scaler ----

// A stored picture of flat k x k cells (k = 8 / n) from its top-left, and
// its reduced copy: one pixel per cell, as the decoder's would be.
struct CellPicture {
  ImageBuffer whole;
  ImageBuffer reduced;
};

CellPicture cellPicture(int width, int height, int eighths) {
  const int k = 8 / eighths;
  const int rw = (width + k - 1) / k, rh = (height + k - 1) / k;
  CellPicture p{ImageBuffer::create(width, height, 3).take(),
                ImageBuffer::create(rw, rh, 3).take()};
  const ImageBuffer colours = test::patternImage(rw, rh, 3, 5);
  for (int y = 0; y < rh; ++y)
    for (int x = 0; x < rw; ++x) std::copy_n(colours.at(x, y), 3, p.reduced.at(x, y));
  // Top-down cell row of whole row y (buffer rows are bottom-up).
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      std::copy_n(p.reduced.at(x / k, rh - 1 - (height - 1 - y) / k), 3, p.whole.at(x, y));
  return p;
}

DibRows rowsOf(const ImageBuffer& image) { return ToDibRows(image).take(); }

struct ExactCase {
  int width, height, eighths, orientation;
};
void PrintTo(const ExactCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " at " << c.eighths << "/8, orientation " << c.orientation;
}

class ReducedScaler : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ReducedScaler, MatchesTheWholePicturesThumbnailWhereReducedPixelsAreExact) {
  const ExactCase& c = GetParam();
  const CellPicture p = cellPicture(c.width, c.height, c.eighths);
  auto whole = applyExifOrientation(p.whole, c.orientation);
  auto reduced = applyExifOrientation(p.reduced, c.orientation);
  ASSERT_TRUE(whole.ok() && reduced.ok());
  auto expected = ScaleToThumbnail(rowsOf(*whole));
  ASSERT_TRUE(expected.ok()) << expected.reason();
  auto got = ScaleReducedToThumbnail(rowsOf(*reduced),
                                     ReducedPictureOf(c.width, c.height, c.eighths, c.orientation));
  ASSERT_TRUE(got.ok()) << got.reason();
  for (size_t i = 0; i < expected->size(); ++i)
    ASSERT_EQ((*got)[i], (*expected)[i])
        << "byte " << i % 3 << " of output pixel (" << i / 3 % kThumbnailSize << ", "
        << i / 3 / kThumbnailSize << ")";
}

std::vector<ExactCase> exactCases() {
  std::vector<ExactCase> cases;
  for (int orientation = 1; orientation <= 8; ++orientation) {
    cases.push_back({803, 397, 1, orientation});  // f = 16; short last cells both ways
    cases.push_back({211, 389, 2, orientation});  // f = 8, portrait
    cases.push_back({150, 99, 4, orientation});   // f = 3
  }
  cases.push_back({800, 400, 1, 1});  // whole cells only
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cells, ReducedScaler, ::testing::ValuesIn(exactCases()));

TEST(ReducedScaler, RefusesMismatchedRowsScalesAndNarrowPictures) {
  const DibRows rows = rowsOf(test::patternImage(100, 75, 3));
  ReducedPicture picture;
  picture.width = 800;
  picture.height = 600;
  picture.eighths = 1;
  EXPECT_TRUE(ScaleReducedToThumbnail(rows, picture).ok());
  picture.height = 700;  // wants 100 x 88 rows
  EXPECT_FALSE(ScaleReducedToThumbnail(rows, picture).ok());
  picture.height = 600;
  for (int n : {0, 9}) {
    picture.eighths = n;
    EXPECT_FALSE(ScaleReducedToThumbnail(rows, picture).ok()) << n;
  }
  DibRows cut = rows;
  cut.bytes.resize(cut.bytes.size() / 2);
  picture.eighths = 1;
  EXPECT_FALSE(ScaleReducedToThumbnail(cut, picture).ok());

  ReducedPicture narrow;
  narrow.width = 4900;
  narrow.height = 50;
  narrow.eighths = 1;
  auto refused = ScaleReducedToThumbnail(rowsOf(test::patternImage(613, 7, 3)), narrow);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.reason(), "The image is too narrow for a thumbnail.");
}

// ---- files: JPEG against a whole decode, the others unchanged ----

// What a thumbnail was before reduced decoding: the whole picture, upright.
std::vector<uint8_t> wholeDecodeThumbnail(const std::string& path) {
  auto image = readImageFile(sourceFormatOf(path), path);
  EXPECT_TRUE(image.ok()) << image.reason();
  if (!image) return {};
  auto thumb = ScaleToThumbnail(rowsOf(*image));
  EXPECT_TRUE(thumb.ok()) << thumb.reason();
  return thumb.ok() ? thumb.take() : std::vector<uint8_t>();
}

// Shading, texture and a little noise: compresses and scales like a photo.
ImageBuffer photo(int width, int height) {
  ImageBuffer image = ImageBuffer::create(width, height, 3).take();
  uint32_t noise = 12345;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      noise = noise * 1103515245u + 12345u;
      const double u = double(x) / width, v = double(y) / height;
      const double texture = 25 * std::sin(x * 0.11) * std::cos(y * 0.07);
      const double base[3] = {190 * u + 30, 160 * v + 40, 130 * (1 - u * v) + 50};
      for (int c = 0; c < 3; ++c)
        image.at(x, y)[c] =
            static_cast<uint8_t>(std::clamp(base[c] + texture + int(noise >> 28) - 8, 0.0, 255.0));
    }
  return image;
}

// EXIF holding only the orientation tag.
ImageMetadata orientationExif(int orientation) {
  ImageMetadata m;
  m.exif = {'I',
            'I',
            42,
            0,
            8,
            0,
            0,
            0,
            1,
            0,
            0x12,
            1,
            3,
            0,
            1,
            0,
            0,
            0,
            static_cast<uint8_t>(orientation),
            0,
            0,
            0,
            0,
            0,
            0,
            0};
  return m;
}

struct Difference {
  int largest = 0;
  double mean = 0;
};

Difference compare(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  Difference d;
  if (a.size() != b.size() || a.empty()) return {256, 256};
  for (size_t i = 0; i < a.size(); ++i) {
    const int diff = std::abs(int(a[i]) - int(b[i]));
    d.largest = std::max(d.largest, diff);
    d.mean += diff;
  }
  d.mean /= double(a.size());
  return d;
}

class JpegThumbnail : public ::testing::TestWithParam<int> {};

TEST_P(JpegThumbnail, IsTheWholeDecodesWithinAFewLevelsInEveryOrientation) {
  const int orientation = GetParam();
  test::TempDir dir;
  const std::string path = dir.file("a.jpg");
  const ImageMetadata exif = orientationExif(orientation);
  ASSERT_TRUE(writeJpeg(path, photo(1003, 611), 92, &exif).ok());
  auto thumb = MakeThumbnail(path);
  ASSERT_TRUE(thumb.ok()) << thumb.reason();
  const Difference d = compare(*thumb, wholeDecodeThumbnail(path));
  EXPECT_LE(d.largest, 3);
  EXPECT_LE(d.mean, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Orientations, JpegThumbnail, ::testing::Range(1, 9));

TEST(JpegThumbnail, PicturesTooSmallToReduceAreTheWholeDecodesByteForByte) {
  test::TempDir dir;
  struct Case {
    int width, height;
    int largest;  // the largest difference allowed
  };
  const Case cases[] = {
      {384, 300, 3},                            // f = 8: reduced to 1/8
      {383, 300, 0},                            // f = 7: whole
      {150, 140, 0}, {60, 57, 0}, {20, 10, 0},  // smaller than a thumbnail
  };
  for (const Case& c : cases) {
    const std::string path = dir.file("a.jpg");
    ASSERT_TRUE(writeJpeg(path, photo(c.width, c.height), 95).ok());
    auto thumb = MakeThumbnail(path);
    ASSERT_TRUE(thumb.ok()) << c.width << " x " << c.height << ": " << thumb.reason();
    const Difference d = compare(*thumb, wholeDecodeThumbnail(path));
    EXPECT_LE(d.largest, c.largest) << c.width << " x " << c.height;
  }
}

TEST(JpegThumbnail, GreyAndProgressiveFiles) {
  TRIMLET_REQUIRE_MAGICK();
  test::TempDir dir;
  ASSERT_TRUE(writeJpeg(dir.file("colour.jpg"), photo(997, 305), 95).ok());
  const std::vector<std::vector<std::string>> variants{{"-type", "Grayscale"},
                                                       {"-interlace", "JPEG"}};
  for (const auto& variant : variants) {
    std::vector<std::string> arguments{dir.file("colour.jpg")};
    arguments.insert(arguments.end(), variant.begin(), variant.end());
    arguments.push_back(dir.file("a.jpg"));
    ASSERT_TRUE(test::magickConvert(arguments)) << variant[0];
    auto thumb = MakeThumbnail(dir.file("a.jpg"));
    ASSERT_TRUE(thumb.ok()) << variant[0] << ": " << thumb.reason();
    const Difference d = compare(*thumb, wholeDecodeThumbnail(dir.file("a.jpg")));
    EXPECT_LE(d.largest, 3) << variant[0];
    EXPECT_LE(d.mean, 0.5) << variant[0];
  }
}

TEST(JpegThumbnail, DamagedAndNarrowFilesGiveTheReasons) {
  test::TempDir dir;
  const std::string path = dir.file("a.jpg");
  ASSERT_TRUE(writeJpeg(path, photo(640, 480), 90).ok());
  std::vector<uint8_t> bytes = test::readFileBytes(path);
  bytes.resize(bytes.size() / 2);
  test::writeFileBytes(path, bytes);
  auto cut = MakeThumbnail(path);
  ASSERT_FALSE(cut.ok());
  EXPECT_EQ(cut.reason(), readImageFile(SourceFormat::kJpeg, path).reason());

  ASSERT_TRUE(writeJpeg(path, photo(2000, 20), 90).ok());
  auto narrow = MakeThumbnail(path);
  ASSERT_FALSE(narrow.ok());
  EXPECT_EQ(narrow.reason(), "The image is too narrow for a thumbnail.");
  EXPECT_FALSE(MakeThumbnail(dir.file("none.jpg")).ok());
}

TEST(FileThumbnail, OtherFormatsAreTheWholeDecodesByteForByte) {
  test::TempDir dir;
  const ImageMetadata turned = orientationExif(6);
  const ImageBuffer picture = photo(517, 389);
  ASSERT_TRUE(writePng(dir.file("a.png"), picture, false, 1.0, &turned).ok());
  ASSERT_TRUE(writeImageFile(SourceFormat::kTarga, dir.file("a.tga"), picture, {75, true}).ok());
  ASSERT_TRUE(writeImageFile(SourceFormat::kBitmap, dir.file("a.bmp"), picture, {}).ok());
  for (const char* name : {"a.png", "a.tga", "a.bmp"}) {
    auto thumb = MakeThumbnail(dir.file(name));
    ASSERT_TRUE(thumb.ok()) << name << ": " << thumb.reason();
    EXPECT_TRUE(*thumb == wholeDecodeThumbnail(dir.file(name))) << name;
  }
}

}  // namespace
}  // namespace trimlet

// Reduced JPEG reads (the library's DCT scaling): sizes for every scale,
// what each reduced pixel stands for, the metadata and refusals of a whole
// read; and the axes of each EXIF orientation against the turn itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "imagefile/jpeg_file.h"
#include "imagefile/orientation.h"
#include "imagefile/orientation_axes.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::Bytes;

// ---- the axes of each orientation ----

class UprightAxes : public ::testing::TestWithParam<int> {};

TEST_P(UprightAxes, TellWhereTheTurnPutsEveryStoredPixel) {
  const int orientation = GetParam();
  constexpr int W = 5, H = 3;
  // Each stored pixel holds its own column and top-down row.
  auto stored = ImageBuffer::create(W, H, 2);
  ASSERT_TRUE(stored.ok());
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      stored->at(x, H - 1 - y)[0] = static_cast<uint8_t>(x);
      stored->at(x, H - 1 - y)[1] = static_cast<uint8_t>(y);
    }
  auto upright = applyExifOrientation(*stored, orientation);
  ASSERT_TRUE(upright.ok());
  const OrientedAxes axes = uprightAxes(orientation);
  const int uw = axes.swapped ? H : W, uh = axes.swapped ? W : H;
  ASSERT_EQ(upright->width(), uw);
  ASSERT_EQ(upright->height(), uh);
  for (int v = 0; v < uh; ++v)
    for (int u = 0; u < uw; ++u) {
      // Along the stored axis each upright axis comes from.
      const int along = axes.columnsReversed ? uw - 1 - u : u;
      const int down = axes.rowsReversed ? uh - 1 - v : v;
      const int x = axes.swapped ? down : along, y = axes.swapped ? along : down;
      const uint8_t* p = upright->at(u, uh - 1 - v);
      EXPECT_EQ(p[0], x) << "upright (" << u << ", " << v << ")";
      EXPECT_EQ(p[1], y) << "upright (" << u << ", " << v << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Orientations, UprightAxes, ::testing::Range(1, 9));

TEST(UprightAxes, AnyOtherValueIsTakenAsStored) {
  for (int orientation : {0, 9, -1}) {
    const OrientedAxes axes = uprightAxes(orientation);
    EXPECT_FALSE(axes.swapped || axes.columnsReversed || axes.rowsReversed) << orientation;
  }
}

// ---- reduced reads ----

// A picture of flat 8 x 8 blocks, block (bx, by) from the top-left having
// the colour blockColour(bx, by), cut off at width x height.
uint8_t blockColour(int bx, int by, int c) {
  return static_cast<uint8_t>(40 + ((bx * 37 + by * 91 + c * 53) % 170));
}

ImageBuffer blockPicture(int width, int height) {
  auto image = ImageBuffer::create(width, height, 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) image->at(x, height - 1 - y)[c] = blockColour(x / 8, y / 8, c);
  return image.take();
}

std::string writeFile(const test::TempDir& dir, const Bytes& bytes) {
  const std::string path = dir.file("a.jpg");
  test::writeFileBytes(path, bytes);
  return path;
}

class ReducedJpegSize : public ::testing::TestWithParam<int> {};

TEST_P(ReducedJpegSize, IsEachSideTimesNOverEightRoundedUp) {
  const int n = GetParam();
  test::TempDir dir;
  const std::string path = writeFile(dir, test::jpegFile(test::patternImage(37, 21, 3), 2, 2, {}));
  int asked = 0, seenWidth = 0, seenHeight = 0;
  auto image = readJpegReduced(path, [&](int32_t w, int32_t h) {
    ++asked;
    seenWidth = w;
    seenHeight = h;
    return n;
  });
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(seenWidth, 37);
  EXPECT_EQ(seenHeight, 21);
  EXPECT_EQ(image->width(), (37 * n + 7) / 8);
  EXPECT_EQ(image->height(), (21 * n + 7) / 8);
  EXPECT_EQ(image->channels(), 3);
}

INSTANTIATE_TEST_SUITE_P(Eighths, ReducedJpegSize, ::testing::Range(1, 9));

TEST(ReducedJpeg, EachPixelStandsForItsBlockFromTheTopLeft) {
  // 8 x 8 blocks of one colour, 4:4:4 at quality 100: at 1/8 each pixel is
  // its block, at 2/8 each 2 x 2 group; the short last column and row too.
  constexpr int W = 45, H = 27;
  test::TempDir dir;
  const std::string path = writeFile(dir, test::jpegFile(blockPicture(W, H), 1, 1, {}));
  for (int n : {1, 2}) {
    auto image = readJpegReduced(path, [n](int32_t, int32_t) { return n; });
    ASSERT_TRUE(image.ok()) << image.reason();
    const int w = image->width(), h = image->height();
    int worst = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int c = 0; c < 3; ++c) {
          const int expected = blockColour(x / n, y / n, c);
          const int got = image->at(x, h - 1 - y)[c];
          worst = std::max(worst, std::abs(got - expected));
        }
    EXPECT_LE(worst, 3) << "at " << n << "/8";
  }
}

TEST(ReducedJpeg, AnswersOutsideOneToEightAreClamped) {
  test::TempDir dir;
  const std::string path = writeFile(dir, test::jpegFile(test::patternImage(40, 24, 3), 2, 2, {}));
  auto smallest = readJpegReduced(path, [](int32_t, int32_t) { return 0; });
  ASSERT_TRUE(smallest.ok());
  EXPECT_EQ(smallest->width(), 5);
  auto whole = readJpegReduced(path, [](int32_t, int32_t) { return 12; });
  ASSERT_TRUE(whole.ok());
  EXPECT_EQ(whole->width(), 40);
  auto asked = readJpegReduced(path, JpegScaleChoice());
  ASSERT_TRUE(asked.ok());
  EXPECT_EQ(asked->width(), 40);
}

TEST(ReducedJpeg, KeepsTheMetadataAndThePixelsAsStored) {
  test::TempDir dir;
  const Bytes exif = test::exifBlock(6);
  const std::string path =
      writeFile(dir, test::jpegFile(test::patternImage(32, 16, 3), 0, 0, {test::exifMarker(exif)},
                                    test::iccProfile("GRAY")));
  ImageMetadata whole, reduced;
  ASSERT_TRUE(readJpeg(path, &whole).ok());
  auto image = readJpegReduced(
      path, [](int32_t, int32_t) { return 4; }, &reduced);
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(image->width(), 16);  // not turned
  EXPECT_EQ(image->height(), 8);
  EXPECT_EQ(image->channels(), 1);
  EXPECT_EQ(reduced.orientation, 6);
  EXPECT_EQ(reduced.exif, whole.exif);
  EXPECT_EQ(reduced.iccProfile, whole.iccProfile);
}

TEST(ReducedJpeg, RefusesWhatAWholeReadRefuses) {
  test::TempDir dir;
  Bytes file = test::jpegFile(test::patternImage(64, 64, 3), 2, 2, {});
  file.resize(file.size() / 2);
  const std::string path = writeFile(dir, file);
  auto whole = readJpeg(path);
  auto reduced = readJpegReduced(path, [](int32_t, int32_t) { return 1; });
  ASSERT_FALSE(whole.ok());
  ASSERT_FALSE(reduced.ok());
  EXPECT_EQ(reduced.reason(), whole.reason());
  EXPECT_FALSE(readJpegReduced(dir.file("none.jpg"), [](int32_t, int32_t) { return 1; }).ok());
}

}  // namespace
}  // namespace trimlet

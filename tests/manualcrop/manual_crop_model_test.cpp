// The manual cropping window's rules without a window: the dial's
// arithmetic, the files it steps through, turning and cutting out.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "manualcrop/model/manual_crop_files.h"
#include "manualcrop/model/manual_crop_image.h"
#include "manualcrop/model/rotation_dial_math.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct DragCase {
  int dx, dy;
  int value;
};
void PrintTo(const DragCase& c, std::ostream* os) {
  *os << "mouse at (" << c.dx << ", " << c.dy << ") -> " << c.value;
}
class DialDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(DialDrag, ReportsTheDirectionClockwiseFromTheTop) {
  EXPECT_EQ(dialValue(dragAngle(GetParam().dx, GetParam().dy)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Directions, DialDrag,
                         ::testing::Values(DragCase{0, -40, 0}, DragCase{40, 0, 90},
                                           DragCase{0, 40, 180}, DragCase{-40, 0, 270},
                                           // a = -90.6 degrees: just left of the top
                                           DragCase{-1, -95, 359}, DragCase{28, -28, 45}));

TEST(Dial, AClickWithoutAMoveAddsThreeHundredSixty) {
  EXPECT_EQ(dialValue(0), 360);
  EXPECT_EQ(dialValue(90), 450);
}

TEST(Dial, AWideAreaDrawsASquareAtItsLeft) {
  const DialGeometry d = dialGeometry(120, 80);
  EXPECT_EQ(d.right, 80);
  EXPECT_EQ(d.bottom, 80);
  EXPECT_EQ(d.radius, 40);
  EXPECT_EQ(d.cx, 40);
  EXPECT_EQ(d.cy, 40);
  const DialGeometry tall = dialGeometry(80, 100);
  EXPECT_EQ(tall.bottom, 80);
}

TEST(Dial, TheNeedleFollowsTheAngle) {
  const DialGeometry d = dialGeometry(101, 101);  // centre 50, radius 50
  EXPECT_EQ(needleEnd(0, d), (DialPoint{50, 0}));
  EXPECT_EQ(needleEnd(90, d), (DialPoint{100, 50}));
  EXPECT_EQ(needleEnd(180, d), (DialPoint{50, 100}));
  // 30 turns the needle 30 degrees clockwise from the top; -30 anticlockwise.
  const DialPoint thirty = needleEnd(30, d);
  EXPECT_EQ(thirty, (DialPoint{75, 7}));
  const DialPoint back = needleEnd(-30, d);
  EXPECT_EQ(back, (DialPoint{25, 7}));
}

TEST(ManualCropFiles, ByteWiseOrderAndStepping) {
  test::TempDir dir;
  for (const char* name : {"b.jpg", "A.png", "c.tga", "notes.txt", "D.BMP"})
    test::writeFileBytes(dir.file(name), {1});
  std::filesystem::create_directory(dir.file("e.png"));
  const std::vector<std::string> files = manualCropFiles(dir.path() + "/");
  EXPECT_EQ(files, (std::vector<std::string>{"A.png", "D.BMP", "b.jpg", "c.tga"}));
  const int start = startPosition(files, "b.jpg");
  EXPECT_EQ(start, 2);
  EXPECT_EQ(stepNext(start, 4), 3);
  EXPECT_FALSE(stepNext(3, 4));  // the window asks to jump to the first
  EXPECT_FALSE(stepPrevious(0, 4));
  EXPECT_EQ(startPosition(files, "gone.jpg"), 0);
}

TEST(ManualCropImage, WithoutABandTheWholeTurnedImageIsCut) {
  // 200 x 100 in a 402 x 302 picture: k = 1, centred.
  const CutPlace place = cutPlace(200, 100, 402, 302);
  EXPECT_FLOAT_EQ(place.k, 1.0f);
  EXPECT_EQ(place.image, (PictureRect{101, 101, 301, 201}));
  const auto whole = cutRectangle(200, 100, 402, 302, PictureRect{});
  ASSERT_TRUE(whole);
  EXPECT_EQ(*whole, (PictureRect{0, 0, 200, 100}));
}

TEST(ManualCropImage, ABandPartlyOutsideIsCutAtThePicturesEdges) {
  // 1000 x 500 in 402 x 302: k = 1000 / 400 = 2.5, image at 1..401 x 51..251.
  const auto cut = cutRectangle(1000, 500, 402, 302, PictureRect{300, 10, 420, 100});
  ASSERT_TRUE(cut);
  EXPECT_EQ(*cut, (PictureRect{747, 0, 1000, 122}));
  EXPECT_FALSE(cutRectangle(1000, 500, 402, 302, PictureRect{5, 260, 50, 290}));
}

TEST(ManualCropImage, CutOutTakesRowsFromThePicturesTop) {
  ImageBuffer image = test::pageWithBlock(10, 8, 2, 1, 3, 2);  // dark at x 2..4, y 1..2
  auto cut = cutOut(image, PictureRect{2, 1, 5, 3}, false);
  ASSERT_TRUE(cut.ok());
  EXPECT_EQ(cut->width(), 3);
  EXPECT_EQ(cut->height(), 2);
  EXPECT_EQ(test::pixelAt(*cut, 0, 0), (std::vector<uint8_t>{20, 40, 60}));
  EXPECT_EQ(test::pixelAt(*cut, 2, 1), (std::vector<uint8_t>{20, 40, 60}));
}

TEST(ManualCropImage, EveryTurnStartsFromTheSource) {
  ManualSource source;
  source.pixels = test::pageWithBlock(40, 20, 5, 5, 10, 5);
  auto ten = turnManualSource(source, 10.0f);
  auto twenty = turnManualSource(source, 20.0f);
  ASSERT_TRUE(ten.ok());
  ASSERT_TRUE(twenty.ok());
  EXPECT_EQ(ten->channels(), 4);
  EXPECT_GT(twenty->height(), ten->height());
  auto again = turnManualSource(source, 20.0f);
  EXPECT_TRUE(test::SameImage(*twenty, *again));
}

TEST(ManualCropImage, GreyIsWidenedAndAlphaKept) {
  test::TempDir dir;
  ImageBuffer rgba = test::solidImage(4, 3, {10, 20, 30, 40});
  ASSERT_TRUE(writeImageFile(SourceFormat::kPng, dir.file("a.png"), rgba, WriteOptions()).ok());
  auto loaded = loadManualSource(dir.file("a.png"));
  ASSERT_TRUE(loaded.ok()) << loaded.reason();
  EXPECT_TRUE(loaded->fourChannel);
  EXPECT_FALSE(loadManualSource(dir.file("missing.png")).ok());
}

}  // namespace
}  // namespace trimlet

namespace trimlet {
namespace {

TEST(ManualCropImage, HonoursTheOrientationUnlessToldAndKeepsTheProfile) {
  test::TempDir dir;
  const test::Bytes profile = test::iccProfile("RGB ");
  test::writeFileBytes(dir.file("turned.jpg"),
                       test::jpegFile(test::pageWithBlock(30, 20, 2, 2, 5, 5), 1, 1,
                                      {test::exifMarker(test::exifBlock(6))}, profile));
  auto upright = loadManualSource(dir.file("turned.jpg"));
  ASSERT_TRUE(upright.ok()) << upright.reason();
  EXPECT_EQ(upright->pixels.width(), 20);  // orientation 6: a quarter turn
  EXPECT_EQ(upright->pixels.height(), 30);
  EXPECT_EQ(upright->metadata.iccProfile, profile);
  auto stored = loadManualSource(dir.file("turned.jpg"), false);
  ASSERT_TRUE(stored.ok());
  EXPECT_EQ(stored->pixels.width(), 30);
}

}  // namespace
}  // namespace trimlet

// Splitting generated album pages into straight photos, the reading order,
// and pages that are not album pages at all.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "engine/detect/page_regions.h"
#include "engine/detect/photo_split.h"
#include "engine/detect/reading_order.h"
#include "tests/engine/detector_reference.h"
#include "tests/support/scan_page.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

const Rgb kWhite{255, 255, 255};

bool holds(const DetectedRect& box, const test::PagePhoto& truth) {
  return truth.centerX >= box.left && truth.centerX <= box.right + 1 && truth.centerY >= box.top &&
         truth.centerY <= box.bottom + 1;
}

struct PageCase {
  int photos;
  uint32_t seed;
  int channels;
};
void PrintTo(const PageCase& c, std::ostream* os) {
  *os << c.photos << " photos, seed " << c.seed << ", " << c.channels << " channels";
}

class SplitPage : public ::testing::TestWithParam<PageCase> {};

// Each photo is found once, in reading order, with its lean, and its piece
// is the photo's size to within two pixels.
TEST_P(SplitPage, FindsEveryPhotoOnceStraightAndTight) {
  const PageCase c = GetParam();
  test::PageRecipe recipe;
  recipe.width = 1600;
  recipe.height = 1200;
  recipe.photos = c.photos;
  recipe.seed = c.seed;
  recipe.channels = c.channels;
  const test::ScanPage page = test::makeScanPage(recipe);
  ASSERT_FALSE(page.image.empty());
  const BackgroundDetector detector;
  auto found = findPhotos(page.image, kWhite, detector, SplitOptions{});
  ASSERT_TRUE(found.ok()) << found.reason();
  ASSERT_EQ(found->size(), page.photos.size());
  for (size_t i = 0; i < found->size(); ++i) {
    const FoundPhoto& photo = (*found)[i];
    const test::PagePhoto& truth = page.photos[i];  // the truth is in reading order
    SCOPED_TRACE("photo " + std::to_string(i + 1));
    EXPECT_EQ(photo.number, int(i + 1));
    int holding = 0;
    for (const test::PagePhoto& p : page.photos) holding += holds(photo.box, p) ? 1 : 0;
    EXPECT_EQ(holding, 1) << "box " << ::testing::PrintToString(photo.box);
    EXPECT_TRUE(holds(photo.box, truth));
    EXPECT_NEAR(photo.tilt.degrees, truth.degrees, 0.3);

    auto piece = cutPhoto(page.image, photo, kWhite, detector);
    ASSERT_TRUE(piece.ok()) << piece.reason();
    EXPECT_EQ(piece->channels(), c.channels);
    EXPECT_LE(std::abs(piece->width() - truth.width), 2) << "truth " << truth.width;
    EXPECT_LE(std::abs(piece->height() - truth.height), 2) << "truth " << truth.height;
  }
}

INSTANTIATE_TEST_SUITE_P(Generated, SplitPage,
                         ::testing::Values(PageCase{1, 11, 3}, PageCase{2, 12, 3},
                                           PageCase{3, 13, 3}, PageCase{4, 14, 4},
                                           PageCase{5, 15, 3}, PageCase{6, 16, 3},
                                           PageCase{6, 17, 4}));

TEST(SplitPage, PiecesLeaveOutNeighboursReachingIntoTheirBox) {
  // Two 300 x 120 photos leaning 12 degrees, end to end 12 pixels apart
  // along their length: each one's box takes in a corner of the other.
  const double radians = 12 * 3.14159265358979 / 180;
  const double c = std::cos(radians), s = std::sin(radians);
  const uint8_t white[3] = {255, 255, 255};
  ImageBuffer page = ImageBuffer::filled(760, 420, 3, white).take();
  auto paint = [&](double cx, double cy) {
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) {
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        if (std::fabs(dx * c + dy * s) <= 150 && std::fabs(-dx * s + dy * c) <= 60) {
          uint8_t* p = page.at(x, y);
          p[0] = p[1] = p[2] = 60;
        }
      }
    }
  };
  paint(200, 170);
  paint(200 + 312 * c, 170 + 312 * s);
  const BackgroundDetector detector;
  auto found = findPhotos(page, kWhite, detector, SplitOptions{});
  ASSERT_TRUE(found.ok());
  ASSERT_EQ(found->size(), 2u);
  EXPECT_LT((*found)[1].box.left, (*found)[0].box.right);  // the boxes overlap
  EXPECT_LT((*found)[0].box.top, (*found)[1].box.bottom);
  for (const FoundPhoto& photo : *found) {
    EXPECT_NEAR(photo.tilt.degrees, 12, 0.3);
    auto piece = cutPhoto(page, photo, kWhite, detector);
    ASSERT_TRUE(piece.ok());
    EXPECT_NEAR(piece->width(), 300, 2);
    EXPECT_NEAR(piece->height(), 120, 2);
  }
}

TEST(SplitPage, PagesWithoutPhotos) {
  const BackgroundDetector detector;
  const SplitOptions options;
  auto blank = findPhotos(test::solidImage(300, 200, {255, 255, 255}), kWhite, detector, options);
  ASSERT_TRUE(blank.ok());
  EXPECT_TRUE(blank->empty());

  // All foreground: one photo, the whole page, upright; its piece is the page.
  const ImageBuffer dark = test::solidImage(300, 200, {30, 30, 30});
  auto whole = findPhotos(dark, kWhite, detector, options);
  ASSERT_TRUE(whole.ok());
  ASSERT_EQ(whole->size(), 1u);
  EXPECT_EQ((*whole)[0].box, (DetectedRect{0, 0, 299, 199}));
  EXPECT_EQ((*whole)[0].tilt.degrees, 0.0);
  auto piece = cutPhoto(dark, (*whole)[0], kWhite, detector);
  ASSERT_TRUE(piece.ok());
  EXPECT_TRUE(test::SameImage(dark, *piece));

  BackgroundDetector unfiltered;
  unfiltered.setFilterSize(1);
  auto one = findPhotos(test::solidImage(1, 1, {0, 0, 0}), kWhite, unfiltered, options);
  ASSERT_TRUE(one.ok());
  ASSERT_EQ(one->size(), 1u);
  EXPECT_EQ((*one)[0].box, DetectedRect{});

  // A thin line is a region like any other once the minimum lets it count.
  std::vector<std::pair<int, int>> line;
  for (int x = 10; x < 290; ++x) line.push_back({x, 100});
  const ImageBuffer lined = test::pictureWithDots(300, 200, line);
  auto small = findPhotos(lined, kWhite, unfiltered, options);
  ASSERT_TRUE(small.ok());
  EXPECT_TRUE(small->empty());  // 280 pixels are below 2 % of the page
  auto counted = findPhotos(lined, kWhite, unfiltered, SplitOptions{0.1, 0.85});
  ASSERT_TRUE(counted.ok());
  ASSERT_EQ(counted->size(), 1u);
  EXPECT_EQ((*counted)[0].box, (DetectedRect{10, 100, 289, 100}));
  EXPECT_EQ((*counted)[0].tilt.degrees, 0.0);
}

// The box a piece was cut from: on the page for an unturned photo, so that
// the same box of the page is the piece.
TEST(SplitPage, TellsTheBoxItCut) {
  ImageBuffer page = test::solidImage(200, 120, {255, 255, 255});
  for (int y = 30; y < 90; ++y)
    for (int x = 40; x < 150; ++x) page.at(x, y)[1] = 0;
  const BackgroundDetector detector;
  auto found = findPhotos(page, kWhite, detector, SplitOptions{});
  ASSERT_TRUE(found.ok());
  ASSERT_EQ(found->size(), 1u);
  ASSERT_EQ((*found)[0].tilt.degrees, 0.0);
  DetectedRect cut;
  auto piece = cutPhoto(page, (*found)[0], kWhite, detector, true, &cut);
  ASSERT_TRUE(piece.ok());
  EXPECT_EQ(cut, (DetectedRect{40, 30, 149, 89}));
  auto same = copyBox(page, cut);
  ASSERT_TRUE(same.ok());
  EXPECT_TRUE(test::SameImage(*same, *piece));
}

TEST(SplitPage, RefusesImpossibleSettingsAndImages) {
  const BackgroundDetector detector;
  const ImageBuffer page = test::solidImage(20, 20, {255, 255, 255});
  for (double percent : {-1.0, 100.5, std::nan("")}) {
    auto found = findPhotos(page, kWhite, detector, SplitOptions{percent, 0.85});
    EXPECT_FALSE(found.ok()) << percent;
  }
  EXPECT_FALSE(findPhotos(page, kWhite, detector, SplitOptions{2, -0.1}).ok());
  EXPECT_FALSE(findPhotos(test::solidImage(20, 20, {0}), kWhite, detector, SplitOptions{}).ok());
  EXPECT_FALSE(findPhotos(ImageBuffer(), kWhite, detector, SplitOptions{}).ok());

  // Noise let through by a minimum of 0: far more regions than photos.
  std::vector<std::pair<int, int>> dots;
  for (int y = 0; y < 250; y += 2) {
    for (int x = 0; x < 250; x += 2) dots.push_back({x, y});
  }
  BackgroundDetector unfiltered;
  unfiltered.setFilterSize(1);
  auto noise =
      findPhotos(test::pictureWithDots(250, 250, dots), kWhite, unfiltered, SplitOptions{0, 0.85});
  ASSERT_FALSE(noise.ok());
  EXPECT_NE(noise.reason().find("minimum size"), std::string::npos) << noise.reason();

  FoundPhoto outside;
  outside.box = DetectedRect{30, 30, 40, 40};
  EXPECT_FALSE(cutPhoto(page, outside, kWhite, detector).ok());
  EXPECT_FALSE(cutPhoto(test::solidImage(20, 20, {0}), FoundPhoto{}, kWhite, detector).ok());
}

struct OrderCase {
  const char* name;
  std::vector<DetectedRect> boxes;  // buffer rows: a larger row is higher up
  std::vector<int> order;
};
void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class ReadingOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ReadingOrder, RowsTopFirstThenLeftToRight) {
  EXPECT_EQ(readingOrder(GetParam().boxes), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReadingOrder,
    ::testing::Values(
        OrderCase{"empty", {}, {}},
        // Two rows of two; given bottom row first, right to left.
        OrderCase{"grid",
                  {{60, 0, 90, 40}, {0, 5, 40, 45}, {55, 60, 95, 100}, {0, 50, 45, 110}},
                  {3, 2, 1, 0}},
        // The middle box shares rows with both others, so all three are one
        // row, left to right.
        OrderCase{"chain", {{0, 0, 10, 10}, {20, 8, 30, 22}, {40, 20, 50, 30}}, {0, 1, 2}},
        // Touching only at a row boundary: one row apart means separate rows.
        OrderCase{"apart", {{0, 0, 10, 10}, {20, 11, 30, 20}}, {1, 0}},
        OrderCase{"sharing one row", {{0, 0, 10, 10}, {20, 10, 30, 20}}, {0, 1}},
        // Same left column: the higher one first; equal boxes keep order.
        OrderCase{
            "stacked in a row", {{0, 0, 10, 30}, {0, 5, 10, 40}, {0, 5, 10, 40}}, {1, 2, 0}}));

}  // namespace
}  // namespace trimlet

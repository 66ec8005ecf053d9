// Where an image is drawn in a control, and the scale factors between them.
#include "preview/model/view_geometry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

struct LayoutCase {
  const char* name;
  int clientWidth, clientHeight;
  int imageWidth, imageHeight;
  ViewRect expected;
  double k, s;
};
void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << c.name << ": " << c.imageWidth << " x " << c.imageHeight << " in client " << c.clientWidth
      << " x " << c.clientHeight;
}

class ImageLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ImageLayoutTable, PlacesTheImageAndScalesIt) {
  const LayoutCase& c = GetParam();
  const ImageLayout layout =
      layoutImage(c.clientWidth, c.clientHeight, c.imageWidth, c.imageHeight);
  EXPECT_EQ(layout.image, c.expected);
  const ScaleFactors f = scaleFactors(c.imageWidth, c.imageHeight, layout.image);
  EXPECT_NEAR(f.k, c.k, 1e-9);
  EXPECT_NEAR(f.s, c.s, 1e-9);
}

// Client sizes are the inner area plus one pixel on every side.
INSTANTIATE_TEST_SUITE_P(
    Cases, ImageLayoutTable,
    ::testing::Values(
        // Strictly smaller: own size, centred.
        LayoutCase{"own size", 302, 202, 100, 50, {101, 76, 201, 126}, 1.0, 1.0},
        // Exactly as wide as the inner area: the fitted path, which gives the
        // same size here; one pixel wider than the inner area shrinks.
        LayoutCase{"as wide as inner", 302, 202, 300, 50, {1, 76, 301, 126}, 1.0, 1.0},
        LayoutCase{"as tall as inner", 302, 202, 100, 200, {101, 1, 201, 201}, 1.0, 1.0},
        LayoutCase{"as wide as client", 302, 202, 302, 50, {1, 76, 301, 125}, 50.0 / 49, 0.98},
        LayoutCase{"wide picture", 402, 402, 2000, 1000, {1, 101, 401, 301}, 5.0, 0.2},
        LayoutCase{"tall picture", 402, 402, 1000, 2000, {101, 1, 301, 401}, 5.0, 0.2},
        // 400 / 300 against 300 / 400 in floating point picks the height;
        // comparing integer quotients (0 >= 0) would have picked the width.
        LayoutCase{"float comparison", 302, 202, 400, 300, {18, 1, 284, 201}, 400.0 / 266, 0.665},
        // 7 * 10 / 30 = 2, product first (7 * (10 / 30) would be 0).
        LayoutCase{"product first", 12, 12, 7, 30, {5, 1, 7, 11}, 3.5, 2.0 / 7},
        LayoutCase{"no image", 302, 202, 0, 0, {0, 0, 0, 0}, 1.0, 1.0},
        LayoutCase{"no room", 2, 2, 100, 50, {1, 1, 1, 1}, 1.0, 1.0}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) {
      std::string n = info.param.name;
      for (char& ch : n) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return n;
    });

TEST(ScaleConversion, CornersInsideAScaledImageGiveImagePixels) {
  // 2000 x 1000 in 400 x 400: corners 20, 10 and 120, 60 inside D.
  const ViewRect d = layoutImage(402, 402, 2000, 1000).image;
  const double k = scaleFactors(2000, 1000, d).k;
  EXPECT_EQ(controlToImage(k, d.left + 20, d.left), 100);
  EXPECT_EQ(controlToImage(k, d.top + 10, d.top), 50);
  EXPECT_EQ(controlToImage(k, d.left + 120, d.left) - controlToImage(k, d.left + 20, d.left), 500);
  EXPECT_EQ(controlToImage(k, d.top + 60, d.top) - controlToImage(k, d.top + 10, d.top), 250);
  EXPECT_EQ(imageToControl(0.2, 100, d.left), d.left + 20);
}

struct ScaleCase {
  int displayWidth, imageWidth, percent;
};
void PrintTo(const ScaleCase& c, std::ostream* os) {
  *os << "D width " << c.displayWidth << " image width " << c.imageWidth;
}
class DisplayScaleTable : public ::testing::TestWithParam<ScaleCase> {};
TEST_P(DisplayScaleTable, IsTruncatedPercent) {
  EXPECT_EQ(displayScale(GetParam().displayWidth, GetParam().imageWidth), GetParam().percent);
}
INSTANTIATE_TEST_SUITE_P(Cases, DisplayScaleTable,
                         ::testing::Values(ScaleCase{400, 2000, 20}, ScaleCase{100, 100, 100},
                                           ScaleCase{299, 300, 99}, ScaleCase{0, 0, 0}));

}  // namespace
}  // namespace trimlet

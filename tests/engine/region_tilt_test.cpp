// Hull, minimum-area rectangle and the tilt reading, on outlines drawn from
// shapes whose pixels are inside when their centres are.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

#include "engine/detect/min_area_rect.h"
#include "engine/detect/region_tilt.h"

namespace trimlet {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The outline of the pixels of a width x height area whose centres pass
// `inside`.
RegionOutline drawOutline(int width, int height,
                          const std::function<bool(double, double)>& inside) {
  RegionOutline outline;
  for (int y = 0; y < height; ++y) {
    OutlineRow row{y, -1, -1};
    for (int x = 0; x < width; ++x) {
      if (!inside(x + 0.5, y + 0.5)) continue;
      if (row.first < 0) row.first = x;
      row.last = x;
      ++outline.spanArea;
    }
    if (row.first >= 0) outline.rows.push_back(row);
  }
  return outline;
}

// A w x h rectangle centred on (cx, cy), leaning `degrees` counter-clockwise.
std::function<bool(double, double)> leaningRect(double cx, double cy, double w, double h,
                                                double degrees) {
  const double c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
  return [=](double x, double y) {
    const double u = (x - cx) * c + (y - cy) * s, v = -(x - cx) * s + (y - cy) * c;
    return std::fabs(u) <= w / 2 && std::fabs(v) <= h / 2;
  };
}

TEST(MinimumAreaRect, HullDropsInnerAndCollinearPoints) {
  std::vector<CornerPoint> grid;
  for (int y = 0; y <= 2; ++y) {
    for (int x = 0; x <= 2; ++x) grid.push_back({x, y});
  }
  grid.push_back({1, 1});
  const std::vector<CornerPoint> expected{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  EXPECT_EQ(convexHull(grid), expected);
}

TEST(MinimumAreaRect, UprightRectangleIsExactlyLevel) {
  const RotatedRect r = minimumAreaRect(convexHull({{0, 0}, {7, 0}, {7, 3}, {0, 3}, {2, 1}}));
  EXPECT_EQ(r.degrees, 0.0);
  EXPECT_DOUBLE_EQ(r.width, 7);
  EXPECT_DOUBLE_EQ(r.height, 3);
  EXPECT_DOUBLE_EQ(r.centerX, 3.5);
  EXPECT_DOUBLE_EQ(r.centerY, 1.5);
}

TEST(MinimumAreaRect, TurnedRectangleComesBackInRange) {
  // Sides (6, 8) and (-4, 3): 10 long at 53.13 degrees, 5 long at -36.87.
  const RotatedRect r = minimumAreaRect(convexHull({{0, 0}, {6, 8}, {2, 11}, {-4, 3}}));
  EXPECT_NEAR(r.degrees, -36.869898, 1e-6);
  EXPECT_NEAR(r.width, 5, 1e-9);
  EXPECT_NEAR(r.height, 10, 1e-9);
  EXPECT_NEAR(r.centerX, 1, 1e-9);
  EXPECT_NEAR(r.centerY, 5.5, 1e-9);
  const RotatedRect same =
      enclosingRectAt(convexHull({{0, 0}, {6, 8}, {2, 11}, {-4, 3}}), r.degrees);
  EXPECT_NEAR(same.area(), 50, 1e-9);
}

struct TiltCase {
  double degrees;
  double width;
  double height;
};
void PrintTo(const TiltCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " at " << c.degrees << " degrees";
}

class RegionTilt : public ::testing::TestWithParam<TiltCase> {};

TEST_P(RegionTilt, FindsTheLeanOfASharpRectangle) {
  const TiltCase c = GetParam();
  const RegionOutline outline =
      drawOutline(400, 400, leaningRect(200.3, 199.6, c.width, c.height, c.degrees));
  auto reading = measureTilt(outline, TiltOptions{});
  ASSERT_TRUE(reading.ok()) << reading.reason();
  EXPECT_EQ(reading->verdict, TiltVerdict::kTurned);
  EXPECT_NEAR(reading->degrees, c.degrees, 0.3);
  EXPECT_GT(reading->fill, 0.95);
  EXPECT_NEAR(reading->border.width, c.width, 1.5);
  EXPECT_NEAR(reading->border.height, c.height, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Table, RegionTilt,
                         ::testing::Values(TiltCase{-10, 300, 200}, TiltCase{-7.3, 180, 250},
                                           TiltCase{-2, 300, 200}, TiltCase{-0.5, 250, 250},
                                           TiltCase{0.4, 300, 120}, TiltCase{1, 300, 200},
                                           TiltCase{4.4, 120, 300}, TiltCase{9.9, 300, 200}));

TEST(RegionTiltVerdicts, SpeckGluedToASideDoesNotTurnTheReading) {
  const auto rect = leaningRect(200, 200, 300, 200, 5);
  // A 4 x 4 speck just outside the middle of the upper long side.
  const double c = std::cos(5 * kPi / 180), s = std::sin(5 * kPi / 180);
  const double sx = 200 - 101.5 * s, sy = 200 + 101.5 * c;
  const RegionOutline outline = drawOutline(400, 400, [&](double x, double y) {
    return rect(x, y) || (std::fabs(x - sx) <= 2 && std::fabs(y - sy) <= 2);
  });
  auto reading = measureTilt(outline, TiltOptions{});
  ASSERT_TRUE(reading.ok());
  EXPECT_NEAR(reading->degrees, 5, 0.1);
}

TEST(RegionTiltVerdicts, UprightNearlyUprightRoundAndEmpty) {
  auto upright =
      measureTilt(drawOutline(200, 200, leaningRect(100, 100, 150, 90, 0)), TiltOptions{});
  ASSERT_TRUE(upright.ok());
  EXPECT_EQ(upright->verdict, TiltVerdict::kStraight);
  EXPECT_EQ(upright->degrees, 0.0);
  EXPECT_EQ(upright->fill, 1.0);

  // 0.15 degrees over 150 pixels moves the far end by 0.4 of a pixel.
  auto nearly =
      measureTilt(drawOutline(200, 200, leaningRect(100.2, 99.7, 150, 90, 0.15)), TiltOptions{});
  ASSERT_TRUE(nearly.ok());
  EXPECT_EQ(nearly->degrees, 0.0);

  auto disc = measureTilt(drawOutline(100, 100,
                                      [](double x, double y) {
                                        return (x - 50) * (x - 50) + (y - 50) * (y - 50) < 1600;
                                      }),
                          TiltOptions{});
  ASSERT_TRUE(disc.ok());
  EXPECT_EQ(disc->verdict, TiltVerdict::kNotRectangular);
  EXPECT_EQ(disc->degrees, 0.0);
  EXPECT_NEAR(disc->fill, kPi / 4, 0.03);
  EXPECT_STREQ(tiltVerdictText(disc->verdict), "not rectangular enough");

  auto nothing = measureTilt(RegionOutline{}, TiltOptions{});
  ASSERT_TRUE(nothing.ok());
  EXPECT_EQ(nothing->verdict, TiltVerdict::kNothingToMeasure);

  EXPECT_FALSE(measureTilt(RegionOutline{}, TiltOptions{1.5}).ok());
  EXPECT_FALSE(measureTilt(RegionOutline{}, TiltOptions{std::nan("")}).ok());
}

TEST(RegionTiltVerdicts, ThinLinesAndSinglePixels) {
  auto line = measureTilt(drawOutline(50, 5, [](double, double y) { return y > 2 && y < 3; }),
                          TiltOptions{});
  ASSERT_TRUE(line.ok());
  EXPECT_EQ(line->degrees, 0.0);
  EXPECT_DOUBLE_EQ(line->rect.width, 50);
  EXPECT_DOUBLE_EQ(line->rect.height, 1);

  RegionOutline dot;
  dot.rows.push_back(OutlineRow{0, 0, 0});
  dot.spanArea = 1;
  auto one = measureTilt(dot, TiltOptions{});
  ASSERT_TRUE(one.ok());
  EXPECT_EQ(one->degrees, 0.0);
  EXPECT_EQ(one->fill, 1.0);
}

}  // namespace
}  // namespace trimlet

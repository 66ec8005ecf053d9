// The tilt estimate, on small rotated rectangles drawn with whole-pixel
// corners so that each extreme point is a single pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <vector>

#include "engine/detect/background_detector.h"
#include "tests/engine/detector_reference.h"

namespace trimlet {
namespace {

struct Point {
  int x;
  int y;
};

// Twice the signed area of (o, a, b): positive when b lies left of o -> a.
int64_t cross(Point o, Point a, Point b) {
  return int64_t(a.x - o.x) * (b.y - o.y) - int64_t(a.y - o.y) * (b.x - o.x);
}

// A white image with a black rectangle: corner `low` (the lowest), the edge
// vector `side` to the next corner counter-clockwise, and the edge at right
// angles to it. Pixels on the edges are inside.
ImageBuffer tiltedRectangle(Point low, Point side) {
  const Point right{low.x + side.x, low.y + side.y};
  const Point left{low.x - side.y, low.y + side.x};
  const Point far{right.x - side.y, right.y + side.x};
  const Point corners[4] = {low, right, far, left};
  int width = 0, height = 0;
  for (const Point& c : corners) {
    width = std::max(width, c.x + 3);
    height = std::max(height, c.y + 3);
  }
  std::vector<std::pair<int, int>> dots;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool inside = true;
      for (int i = 0; i < 4; ++i) {
        if (cross(corners[i], corners[(i + 1) % 4], Point{x, y}) < 0) inside = false;
      }
      if (inside) dots.push_back({x, y});
    }
  }
  return test::pictureWithDots(width, height, dots);
}

struct TiltCase {
  Point low;
  Point side;
  float degrees;
};
void PrintTo(const TiltCase& c, std::ostream* os) {
  *os << "lowest corner (" << c.low.x << ", " << c.low.y << "), side (" << c.side.x << ", "
      << c.side.y << ") -> " << c.degrees << " degrees";
}

class TiltEstimate : public ::testing::TestWithParam<TiltCase> {};

TEST_P(TiltEstimate, KnownAngles) {
  const TiltCase c = GetParam();
  BackgroundDetector d;
  d.setTolerance(20);
  d.setFilterSize(1);
  ASSERT_TRUE(d.detect(tiltedRectangle(c.low, c.side), Rgb{255, 255, 255}).ok());
  ASSERT_EQ(d.rectangle().top, c.low.y);
  ASSERT_EQ(d.topHitColumn(), c.low.x);
  EXPECT_NEAR(d.estimateTilt(), c.degrees, 1e-4);
}

// atan(1/4) = 14.036243 degrees, atan(1/2) = 26.565051, atan(2/5) = 21.801409.
INSTANTIATE_TEST_SUITE_P(
    Table, TiltEstimate,
    ::testing::Values(TiltCase{{5, 2}, {12, 3}, 14.036243f},    // turned counter-clockwise
                      TiltCase{{14, 2}, {3, 12}, -14.036243f},  // turned clockwise
                      TiltCase{{6, 1}, {10, 5}, 26.565051f},
                      TiltCase{{12, 3}, {5, 10}, -26.565051f},
                      TiltCase{{4, 0}, {10, 4}, 21.801409f}, TiltCase{{6, 2}, {20, 1}, 2.862405f}));

TEST(TiltEstimate, LevelRectangleHasNoTilt) {
  BackgroundDetector d;
  d.setTolerance(20);
  d.setFilterSize(1);
  std::vector<std::pair<int, int>> dots;
  for (int y = 2; y <= 6; ++y) {
    for (int x = 3; x <= 10; ++x) dots.push_back({x, y});
  }
  ASSERT_TRUE(d.detect(test::pictureWithDots(14, 9, dots), Rgb{255, 255, 255}).ok());
  EXPECT_EQ(d.leftHitRow(), d.rightHitRow());
  EXPECT_EQ(d.estimateTilt(), 0.0f);
}

TEST(TiltEstimate, BeforeAnyDetectionIsLevel) {
  const BackgroundDetector d;
  EXPECT_EQ(d.estimateTilt(), 0.0f);
}

}  // namespace
}  // namespace trimlet

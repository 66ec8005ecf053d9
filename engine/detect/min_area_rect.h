#pragma once
// The convex hull of a region's outline and the smallest rectangle, at any
// angle, that holds it (rotating calipers over the hull's edges).
//
// Coordinates are those of pixel corners in the buffer: pixel (x, y) covers
// the unit square x .. x + 1, y .. y + 1, with y growing upward through the
// rows (row 0 is the picture's bottom), so directions are as displayed. An
// angle is counter-clockwise as displayed. Hull points are exact integers; a
// region of n rows gives at most 4 n points.

#include <cstdint>
#include <vector>

#include "engine/detect/region_labels.h"

namespace trimlet {

// Degrees in a radian, for the angles of this code.
constexpr double kDegreesPerRadian = 57.295779513082320876798;

struct CornerPoint {
  int64_t x = 0;
  int64_t y = 0;
  bool operator==(const CornerPoint& o) const { return x == o.x && y == o.y; }
};

// The corners of the pixels at both ends of every outline row: the hull of
// these is the hull of the whole region.
std::vector<CornerPoint> outlineCorners(const RegionOutline& outline);

// The convex hull counter-clockwise, without repeated or collinear points.
// Fewer than three distinct points come back as they are (sorted, unique).
std::vector<CornerPoint> convexHull(std::vector<CornerPoint> points);

// A rectangle turned by `degrees`: `width` runs along that direction,
// `height` at right angles to it.
struct RotatedRect {
  double centerX = 0;
  double centerY = 0;
  double width = 0;
  double height = 0;
  double degrees = 0;
  double area() const { return width * height; }
};

// The smallest-area rectangle holding the hull, its angle brought into
// (-45, 45] (width and height swapping with each quarter turn). Among equal
// areas the angle nearest 0 wins, so an upright rectangle gives exactly 0.
// An empty hull gives an empty rectangle; one or two points their box.
RotatedRect minimumAreaRect(const std::vector<CornerPoint>& hull);

// The smallest rectangle at the given angle holding the hull.
RotatedRect enclosingRectAt(const std::vector<CornerPoint>& hull, double degrees);

}  // namespace trimlet

// Convex hull (monotone chain) and the minimum-area rectangle by rotating
// calipers: the best rectangle has one side on a hull edge, and as the edges
// are walked counter-clockwise the hull points farthest along the edge, back
// against it and away from it advance counter-clockwise too, so each edge
// costs constant time on average. Hull arithmetic is exact in 64-bit integers
// (coordinates stay below 2^30).
#include "engine/detect/min_area_rect.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trimlet {
namespace {

int64_t cross(const CornerPoint& o, const CornerPoint& a, const CornerPoint& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

int64_t dot(int64_t ex, int64_t ey, const CornerPoint& p) { return ex * p.x + ey * p.y; }

// The direction of (ex, ey) in degrees, exact for the axis directions.
double directionDegrees(int64_t ex, int64_t ey) {
  if (ey == 0) return ex > 0 ? 0.0 : 180.0;
  if (ex == 0) return ey > 0 ? 90.0 : -90.0;
  return std::atan2(double(ey), double(ex)) * kDegreesPerRadian;
}

// Brings the angle into (-45, 45]; every quarter turn swaps the sides.
void reduceAngle(RotatedRect& rect) {
  while (rect.degrees > 45.0) {
    rect.degrees -= 90.0;
    std::swap(rect.width, rect.height);
  }
  while (rect.degrees <= -45.0) {
    rect.degrees += 90.0;
    std::swap(rect.width, rect.height);
  }
}

}  // namespace

std::vector<CornerPoint> outlineCorners(const RegionOutline& outline) {
  std::vector<CornerPoint> points;
  points.reserve(outline.rows.size() * 4);
  for (const OutlineRow& row : outline.rows) {
    const int64_t y = row.y;
    points.push_back({row.first, y});
    points.push_back({int64_t(row.last) + 1, y});
    points.push_back({row.first, y + 1});
    points.push_back({int64_t(row.last) + 1, y + 1});
  }
  return points;
}

std::vector<CornerPoint> convexHull(std::vector<CornerPoint> points) {
  std::sort(points.begin(), points.end(), [](const CornerPoint& a, const CornerPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  });
  points.erase(std::unique(points.begin(), points.end()), points.end());
  const size_t n = points.size();
  if (n < 3) return points;
  std::vector<CornerPoint> hull(2 * n);
  size_t k = 0;
  for (size_t i = 0; i < n; ++i) {  // lower chain, left to right
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  for (size_t i = n - 1, lower = k + 1; i-- > 0;) {  // upper chain, right to left
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);  // the last point repeats the first
  return hull;
}

RotatedRect enclosingRectAt(const std::vector<CornerPoint>& hull, double degrees) {
  RotatedRect rect;
  rect.degrees = degrees;
  if (hull.empty()) return rect;
  const double radians = degrees / kDegreesPerRadian;
  const double c = degrees == 0.0 ? 1.0 : std::cos(radians);
  const double s = degrees == 0.0 ? 0.0 : std::sin(radians);
  double uMin = HUGE_VAL, uMax = -HUGE_VAL, vMin = HUGE_VAL, vMax = -HUGE_VAL;
  for (const CornerPoint& p : hull) {
    const double u = double(p.x) * c + double(p.y) * s;
    const double v = -double(p.x) * s + double(p.y) * c;
    uMin = std::min(uMin, u);
    uMax = std::max(uMax, u);
    vMin = std::min(vMin, v);
    vMax = std::max(vMax, v);
  }
  rect.width = uMax - uMin;
  rect.height = vMax - vMin;
  const double u = (uMin + uMax) / 2, v = (vMin + vMax) / 2;
  rect.centerX = u * c - v * s;
  rect.centerY = u * s + v * c;
  return rect;
}

RotatedRect minimumAreaRect(const std::vector<CornerPoint>& hull) {
  const size_t n = hull.size();
  if (n < 3) return enclosingRectAt(hull, 0.0);
  auto next = [n](size_t i) { return i + 1 == n ? 0 : i + 1; };

  // The extremes for the first edge by a full search; later edges move them on.
  size_t far = 0, high = 0, low = 0;
  {
    const CornerPoint& a = hull[0];
    const CornerPoint& b = hull[1];
    const int64_t ex = b.x - a.x, ey = b.y - a.y;
    for (size_t i = 1; i < n; ++i) {
      if (cross(a, b, hull[i]) > cross(a, b, hull[far])) far = i;
      if (dot(ex, ey, hull[i]) > dot(ex, ey, hull[high])) high = i;
      if (dot(ex, ey, hull[i]) < dot(ex, ey, hull[low])) low = i;
    }
  }

  RotatedRect best;
  bool found = false;
  for (size_t i = 0; i < n; ++i) {
    const CornerPoint& a = hull[i];
    const CornerPoint& b = hull[next(i)];
    const int64_t ex = b.x - a.x, ey = b.y - a.y;
    // Each pointer goes round at most once per edge (a guard against ties on
    // a degenerate hull).
    for (size_t step = 0; step < n && cross(a, b, hull[next(far)]) >= cross(a, b, hull[far]);
         ++step) {
      far = next(far);
    }
    for (size_t step = 0; step < n && dot(ex, ey, hull[next(high)]) >= dot(ex, ey, hull[high]);
         ++step) {
      high = next(high);
    }
    for (size_t step = 0; step < n && dot(ex, ey, hull[next(low)]) <= dot(ex, ey, hull[low]);
         ++step) {
      low = next(low);
    }

    const double length = std::sqrt(double(ex) * double(ex) + double(ey) * double(ey));
    const double along = double(dot(ex, ey, hull[high]) - dot(ex, ey, hull[low])) / length;
    const double across = double(cross(a, b, hull[far])) / length;
    RotatedRect rect;
    rect.width = along;
    rect.height = across;
    rect.degrees = directionDegrees(ex, ey);
    // Centre: midway along the edge direction, half the height in from the
    // edge (the hull lies to the left of a counter-clockwise edge).
    const double ux = double(ex) / length, uy = double(ey) / length;
    const double mid = double(dot(ex, ey, hull[high]) + dot(ex, ey, hull[low])) / (2 * length);
    const double base = -uy * double(a.x) + ux * double(a.y);
    const double side = base + across / 2;
    rect.centerX = ux * mid - uy * side;
    rect.centerY = uy * mid + ux * side;
    reduceAngle(rect);

    const double area = rect.area();
    const double tie = 1e-9 * std::max(area, best.area());
    if (!found || area < best.area() - tie ||
        (area <= best.area() + tie && std::fabs(rect.degrees) < std::fabs(best.degrees))) {
      best = rect;
      found = true;
    }
  }
  return best;
}

}  // namespace trimlet

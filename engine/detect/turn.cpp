// Turning an image for straightening (turn.h).
#include "engine/detect/turn.h"

#include <algorithm>
#include <cmath>

#include "engine/geometry/rotate_workers.h"
#include "engine/image/pixel_layout.h"

namespace trimlet {

Result<ImageBuffer> turnImage(const ImageBuffer& image, double degrees, Rgb background,
                              bool edgeBlending, int maxWorkers) {
  if (image.empty()) return Result<ImageBuffer>::failure("There is no image to turn.");
  if (image.channels() != 3 && image.channels() != 4) {
    return Result<ImageBuffer>::failure("The image to turn must have three or four channels.");
  }
  const bool blend = edgeBlending && background == Rgb{0, 0, 0};
  // A four-channel image is turned as it is; three channels are widened first.
  if (image.channels() == 4)
    return rotateImageWithWorkers(image, degrees, background.packed(), blend, maxWorkers);
  auto four = widenToFour(image, false);
  if (!four) return four;
  auto turned = rotateImageWithWorkers(*four, degrees, background.packed(), blend, maxWorkers);
  if (!turned) return turned;
  four->reset();
  return narrowFromFour(*turned, false);
}

void turnedPosition(int width, int height, double degrees, double x, double y, double* outX,
                    double* outY) {
  if (degrees == 0.0) {
    *outX = x;
    *outY = y;
    return;
  }
  // The offsets of the three shears (shear_rotate.cpp): line i is moved by v,
  // which is linear in i; with a line's middle at i + 1/2 the move of a point
  // follows from its coordinate across the line.
  const double phi = degrees / kDegreesPerRadian;
  const double t = std::tan(phi / 2), s = std::sin(phi), c = std::cos(phi);
  const double w = width, h = height;
  const double w1 = std::trunc(std::fabs(t) * h) + w;
  const double h2 = std::trunc(h * c + w * std::fabs(s)) + 1;
  const double x1 = x + t * y - (t < 0 ? t * h : 0.0);
  const double v2 = s > 0 ? s * (w - 1) : -(s * (w - w1));
  const double y2 = y + v2 - s * (x1 - 0.5);
  const double v3 = s >= 0 ? -(s * t * (w - 1)) : t * (1 - h2 - s * (w - 1));
  *outX = x1 + v3 + t * (y2 - 0.5);
  *outY = y2;
}

double filterGrowth(const BackgroundDetector& parameters) {
  if (parameters.wholeSelect() || parameters.filterSize() <= 1) return 0.0;
  const int r = std::min(parameters.filterSize(), 49) / 2;
  const double growth = r + 0.5 - double(parameters.noiseThreshold()) / (2 * r + 1);
  return std::clamp(growth, -double(r), double(r));
}

TurnMap turnMap(int width, int height, double degrees) {
  TurnMap map;
  turnedPosition(width, height, degrees, 0, 0, &map.x0, &map.y0);
  double x = 0, y = 0;
  turnedPosition(width, height, degrees, 1, 0, &x, &y);
  map.xx = x - map.x0;
  map.yx = y - map.y0;
  turnedPosition(width, height, degrees, 0, 1, &x, &y);
  map.xy = x - map.x0;
  map.yy = y - map.y0;
  return map;
}

DetectedRect pixelsWithin(double minX, double minY, double maxX, double maxY, int width,
                          int height) {
  // Pixel i has its centre at i + 1/2.
  DetectedRect box;
  box.left = std::max(0, int(std::ceil(minX - 0.5)));
  box.top = std::max(0, int(std::ceil(minY - 0.5)));
  box.right = std::min(width - 1, int(std::floor(maxX - 0.5)));
  box.bottom = std::min(height - 1, int(std::floor(maxY - 0.5)));
  return box;
}

DetectedRect turnedBorderBox(const RotatedRect& border, int width, int height, double degrees,
                             double inset, int turnedWidth, int turnedHeight) {
  const double radians = border.degrees / kDegreesPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  const double hw = std::max(0.0, border.width / 2 - inset);
  const double hh = std::max(0.0, border.height / 2 - inset);
  const TurnMap map = turnMap(width, height, degrees);
  double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
  for (int corner = 0; corner < 4; ++corner) {
    const double u = corner & 1 ? hw : -hw, v = corner & 2 ? hh : -hh;
    double x = 0, y = 0;
    map.apply(border.centerX + u * c - v * s, border.centerY + u * s + v * c, &x, &y);
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  return pixelsWithin(minX, minY, maxX, maxY, turnedWidth, turnedHeight);
}

DetectedRect clipToBorder(const DetectedRect& detected, const DetectedRect& border) {
  if (border.left > border.right || border.top > border.bottom) return detected;
  const DetectedRect box{std::max(detected.left, border.left), std::max(detected.top, border.top),
                         std::min(detected.right, border.right),
                         std::min(detected.bottom, border.bottom)};
  if (box.left > box.right || box.top > box.bottom) return detected;
  return box;
}

}  // namespace trimlet

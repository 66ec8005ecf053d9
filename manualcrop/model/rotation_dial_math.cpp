// The rotation dial's arithmetic (see rotation_dial_math.h).
#include "manualcrop/model/rotation_dial_math.h"

#include <cmath>

namespace trimlet {

DialGeometry dialGeometry(int width, int height) {
  DialGeometry d;
  d.right = width;
  d.bottom = height;
  if (width > height)
    d.right = d.left + height;
  else if (height > width)
    d.bottom = d.top + width;
  d.radius = (d.right - d.left) / 2;
  d.cx = (d.left + d.right) / 2;
  d.cy = (d.top + d.bottom) / 2;
  return d;
}

DialPoint needleEnd(int angle, const DialGeometry& dial) {
  const float theta = static_cast<float>(angle - 90) * 0.017453292f;
  const float length = static_cast<float>(dial.radius) - 0.1f;
  return DialPoint{static_cast<int>(std::cos(theta) * length + 0.5f + static_cast<float>(dial.cx)),
                   static_cast<int>(std::sin(theta) * length + 0.5f + static_cast<float>(dial.cy))};
}

int dragAngle(int dx, int dy) {
  const float a = std::atan2(static_cast<float>(dy), static_cast<float>(dx)) * 57.29578f;
  return static_cast<int>(std::floor(a + 0.5f)) - 270;
}

int dialValue(int angle) { return angle + 360 >= 0 ? angle + 360 : angle + 720; }

}  // namespace trimlet

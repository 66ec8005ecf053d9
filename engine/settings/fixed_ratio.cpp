// Fitting the manual rectangle to the fixed ratio. The products are single
// precision floats and every conversion to an integer truncates toward zero,
// so the rectangle matches the one the panel has always shown.
#include <climits>
#include <cmath>
#include <cstdint>

#include "engine/settings/crop_settings.h"

namespace trimlet {
namespace {

// Truncation toward zero that stays defined for every float: NaN gives 0 and
// values beyond the int range give its ends (a ratio read from a damaged
// profile may be 0 or huge).
int64_t truncate(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0f) return INT_MAX;
  if (value <= -2147483648.0f) return INT_MIN;
  return static_cast<int64_t>(value);
}

int clampToInt(int64_t value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

CropRect fitToFixedRatio(CropRect rect, float ratioWidth, float ratioHeight, int imageWidth,
                         int imageHeight) {
  const float w = ratioWidth;
  const float h = ratioHeight;
  int64_t width = rect.width;
  int64_t height = rect.height;
  if (w > h) {
    const float factor = w / h;
    const float n = factor * static_cast<float>(rect.height);
    const int64_t room = int64_t(imageWidth) - rect.x + 1;  // columns from CropX to the edge
    if (truncate(static_cast<float>(rect.x) + n - 1.0f) > imageWidth) {
      width = room;
      height = truncate(static_cast<float>(room) / factor);
    } else {
      width = truncate(n);
    }
  } else {
    const float factor = h / w;
    const float n = factor * static_cast<float>(rect.width);
    const int64_t room = int64_t(imageHeight) - rect.y + 1;  // rows from CropY to the edge
    if (truncate(static_cast<float>(rect.y) + n - 1.0f) > imageHeight) {
      height = room;
      width = truncate(static_cast<float>(room) / factor);
    } else {
      height = truncate(n);
    }
  }
  if (width < 1) width = 1;
  if (height < 1) height = 1;
  if (width > imageWidth) width = imageWidth;
  if (height > imageHeight) height = imageHeight;
  rect.width = clampToInt(width);
  rect.height = clampToInt(height);
  return rect;
}

}  // namespace trimlet

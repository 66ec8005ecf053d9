// Layout of an image inside a control and the scale factors between them.
#include "preview/model/view_geometry.h"

#include <climits>
#include <cmath>

namespace trimlet {
namespace {

constexpr double kTruncLimit = 1073741824.0;  // 2^30

}  // namespace

int truncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= kTruncLimit) return 1 << 30;
  if (value <= -kTruncLimit) return -(1 << 30);
  return static_cast<int>(value);
}

int clampToInt(int64_t value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

ImageLayout layoutImage(int clientWidth, int clientHeight, int imageWidth, int imageHeight) {
  ImageLayout layout;
  const int iw = std::max(0, clientWidth - 2);
  const int ih = std::max(0, clientHeight - 2);
  layout.inner = {1, 1, 1 + iw, 1 + ih};
  if (imageWidth <= 0 || imageHeight <= 0) return layout;  // D stays empty

  const int64_t w = imageWidth;
  const int64_t h = imageHeight;
  int64_t left = 0;
  int64_t top = 0;
  int64_t width = 0;
  int64_t height = 0;
  if (w < iw && h < ih) {
    width = w;
    height = h;
    left = layout.inner.left + (iw - w) / 2;
    top = layout.inner.top + (ih - h) / 2;
  } else if (static_cast<double>(ih) / static_cast<double>(h) >=
             static_cast<double>(iw) / static_cast<double>(w)) {
    width = iw;
    height = h * iw / w;
    left = layout.inner.left;
    top = layout.inner.top + (ih - height) / 2;
  } else {
    height = ih;
    width = w * ih / h;
    left = layout.inner.left + (iw - width) / 2;
    top = layout.inner.top;
  }
  layout.image = {clampToInt(left), clampToInt(top), clampToInt(left + width),
                  clampToInt(top + height)};
  return layout;
}

ScaleFactors scaleFactors(int imageWidth, int imageHeight, const ViewRect& d) {
  ScaleFactors f;
  if (imageWidth <= 0 || imageHeight <= 0 || d.isEmpty()) return f;
  const double w = imageWidth;
  const double h = imageHeight;
  const double dw = d.width();
  const double dh = d.height();
  const double kx = dw < w ? w / dw : 1.0;
  const double ky = dh < h ? h / dh : 1.0;
  const double sx = dw < w ? dw / w : 1.0;
  const double sy = dh < h ? dh / h : 1.0;
  f.k = std::max(kx, ky);
  f.s = std::min(sx, sy);
  return f;
}

int displayScale(int displayWidth, int imageWidth) {
  if (imageWidth <= 0) return 0;
  return truncToInt(100.0 * displayWidth / imageWidth);
}

}  // namespace trimlet

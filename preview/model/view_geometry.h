#pragma once
// Plain geometry of the image views: points, rectangles, where an image of
// w x h pixels is drawn inside a control, and the two scale factors between
// control pixels and image pixels.
//
//   ViewRect      left, top inclusive; right, bottom exclusive
//   layoutImage   client size >= 0 (smaller values count as 0); image size
//                 w, h (an image of 0 or fewer pixels gets an empty rectangle)
//   k             control to image: max(w / Dw if Dw < w else 1,
//                                       h / Dh if Dh < h else 1)
//   s             image to control: min(Dw / w if Dw < w else 1,
//                                       Dh / h if Dh < h else 1)
//   image x       trunc(k * (control x - D.left))
//   control x     trunc(s * image x) + D.left
// All scale arithmetic is double precision and truncated toward zero only at
// the end of each expression. Truncation saturates far outside any real
// coordinate instead of overflowing.

#include <algorithm>
#include <cstdint>

namespace trimlet {

struct ViewPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ViewPoint& o) const { return x == o.x && y == o.y; }
  bool operator!=(const ViewPoint& o) const { return !(*this == o); }
};

struct ViewRect {
  int left = 0;
  int top = 0;
  int right = 0;   // exclusive
  int bottom = 0;  // exclusive

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  // No pixel inside (a zero or negative width or height).
  bool isEmpty() const { return right <= left || bottom <= top; }
  // All four values 0: the state of "no rectangle at all".
  bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool contains(ViewPoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  ViewPoint topLeft() const { return {left, top}; }
  ViewPoint bottomRight() const { return {right, bottom}; }

  // The rectangle spanned by two corners, normalized (left <= right, top <= bottom).
  static ViewRect spanning(ViewPoint a, ViewPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  }
  bool operator==(const ViewRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const ViewRect& o) const { return !(*this == o); }
};

// Truncation toward zero that stays defined for every value: NaN gives 0 and
// the result saturates at +-2^30, so adding one more coordinate or image size
// to it cannot overflow an int.
int truncToInt(double value);
// An int64 brought into the int range.
int clampToInt(int64_t value);

struct ImageLayout {
  ViewRect inner;  // the client area shrunk by one pixel on every side
  ViewRect image;  // D: where the image is drawn; empty without an image
};

// Own size, centred, when the image is strictly smaller than the inner area
// in both directions; otherwise fitted with its proportions kept: full inner
// width when ih / h >= iw / w (compared in floating point), the other side
// h * iw / w (integer, product first), centred; else full inner height.
ImageLayout layoutImage(int clientWidth, int clientHeight, int imageWidth, int imageHeight);

struct ScaleFactors {
  double k = 1.0;  // control pixels to image pixels
  double s = 1.0;  // image pixels to control pixels
};
// Both 1 while D is empty or there is no image.
ScaleFactors scaleFactors(int imageWidth, int imageHeight, const ViewRect& d);

// trunc(k * (control - origin)).
inline int controlToImage(double k, int control, int origin) {
  return truncToInt(k * (static_cast<double>(control) - origin));
}
// trunc(s * image) + origin.
inline int imageToControl(double s, int image, int origin) {
  return clampToInt(int64_t(truncToInt(s * image)) + origin);
}

// The status bar's display scale of a view: trunc(100 * Dw / w) in floating
// point; 0 without an image.
int displayScale(int displayWidth, int imageWidth);

}  // namespace trimlet

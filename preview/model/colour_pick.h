#pragma once
// Which source pixel a click in pick mode takes the crop colour from.
//
// Only clicks with D.left < x <= D.right and D.top < y <= D.bottom pick;
// the pixel is (x - D.left - 1, y - D.top - 1), and when the image is shown
// more than 5 pixels narrower than it is (Dw + 5 < w) both are multiplied by
// the width ratio w / Dw and truncated. The result always lies inside the
// image: with a very tall, narrow picture the width ratio can overshoot the
// height, and such a row is taken as the last one.

#include <optional>

#include "preview/model/view_geometry.h"

namespace trimlet {

struct PickedPixel {
  int column = 0;     // from the left
  int topRow = 0;     // from the picture's top
  int bufferRow = 0;  // row in the bottom-up pixel buffer: h - topRow - 1
  bool operator==(const PickedPixel& o) const {
    return column == o.column && topRow == o.topRow && bufferRow == o.bufferRow;
  }
};

// The pixel under control point p for an image of w x h drawn at d; nothing
// for a click outside the picture (the grey margin, D's left or top line).
std::optional<PickedPixel> pickedPixel(const ViewRect& d, int imageWidth, int imageHeight,
                                       ViewPoint p);

}  // namespace trimlet

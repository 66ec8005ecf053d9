#pragma once
// CropBox: a rectangle in buffer coordinates of an image (columns from the
// left, rows from the bottom row), right and bottom exclusive, "top" being
// the smaller row index.
//
// manualCropBox turns a manual rectangle (image pixels from the picture's
// top-left) into a box inside a W x H source: a rectangle wider than the
// image spans it, one that overhangs is moved back inside without shrinking;
// the same vertically; then rows are flipped to the bottom-up buffer.
// fitBoxInto does the same for a box already in buffer coordinates.

#include "engine/settings/crop_settings.h"

namespace trimlet {

struct CropBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const CropBox& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

CropBox manualCropBox(const CropRect& rect, int imageWidth, int imageHeight);
CropBox fitBoxInto(const CropBox& box, int imageWidth, int imageHeight);

}  // namespace trimlet

#include "pipeline/crop_box.h"

#include <algorithm>

namespace trimlet {

namespace {

// One axis of the fit: [start, start + length) into [0, size).
void fitSpan(int start, int length, int size, int* outStart, int* outLength) {
  if (size < length) {
    *outStart = 0;
    *outLength = size;
  } else if (size < start + length) {
    *outStart = size - length;
    *outLength = length;
  } else {
    *outStart = start;
    *outLength = length;
  }
  // A negative start (only possible from hand-edited stored values) is held
  // at the image edge rather than reading before the first pixel.
  if (*outStart < 0) *outStart = 0;
  if (*outLength < 1) *outLength = 1;
  if (*outStart + *outLength > size) *outLength = size - *outStart;
}

}  // namespace

CropBox manualCropBox(const CropRect& rect, int imageWidth, int imageHeight) {
  int x, w, y, h;
  fitSpan(rect.x, rect.width, imageWidth, &x, &w);
  fitSpan(rect.y, rect.height, imageHeight, &y, &h);
  CropBox box;
  box.top = imageHeight - (y + h);
  box.bottom = std::min(box.top + h, imageHeight);
  box.left = x;
  box.right = std::min(x + w, imageWidth);
  return box;
}

CropBox fitBoxInto(const CropBox& box, int imageWidth, int imageHeight) {
  int x, w, y, h;
  fitSpan(box.left, box.width(), imageWidth, &x, &w);
  fitSpan(box.top, box.height(), imageHeight, &y, &h);
  return CropBox{x, y, x + w, y + h};
}

}  // namespace trimlet

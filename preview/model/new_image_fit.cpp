// The manual rectangle fitted to a newly chosen image, and its selection.
#include "preview/model/new_image_fit.h"

namespace trimlet {
namespace {

struct Span {
  int start;
  int length;
};

Span fitSpan(int start, int length, int size) {
  if (size < length) return {0, size};
  if (int64_t(start) + length > size) return {size - length, length};
  return {start, length};
}

}  // namespace

CropRect fitCropToNewImage(const CropRect& viewCropCopy, const CropRect& panelCrop,
                           bool wholeSelect, int imageWidth, int imageHeight) {
  if (imageWidth <= 0 || imageHeight <= 0) return panelCrop;
  if (wholeSelect) return {0, 0, imageWidth, imageHeight};
  // Until the view has set a rectangle of its own its copy is all zeros;
  // fitting that would throw away the panel's rectangle for a 0 x 0 one.
  const bool copySet = viewCropCopy.width > 0 && viewCropCopy.height > 0;
  const CropRect& from = copySet ? viewCropCopy : panelCrop;
  const Span x = fitSpan(from.x, from.width, imageWidth);
  const Span y = fitSpan(from.y, from.height, imageHeight);
  return {x.start, y.start, x.length, y.length};
}

std::optional<ViewRect> selectionForNewImage(const CropRect& crop, const ViewRect& d,
                                             int sourceWidth) {
  if (crop.width <= 0 && crop.height <= 0) return std::nullopt;
  const double s = sourceWidth > d.width() ? static_cast<double>(d.width()) / sourceWidth : 1.0;
  const int64_t left = int64_t(truncToInt(crop.x * s)) + d.left;
  const int64_t top = int64_t(truncToInt(crop.y * s)) + d.top;
  const int64_t right = left + truncToInt(crop.width * s);
  const int64_t bottom = top + truncToInt(crop.height * s);
  return ViewRect{clampToInt(left), clampToInt(top), clampToInt(right), clampToInt(bottom)};
}

}  // namespace trimlet

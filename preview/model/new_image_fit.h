#pragma once
// The manual rectangle when the file list opens a new image of W x H pixels,
// and where the source view then places its selection.
//
// Fit (before the image is opened):
//   WholeSelect on        0, 0, W, H
//   otherwise, from the source view's crop copy (or, while the view has not
//   set one yet, the panel's current values), each axis on its own:
//     W < width           x 0, width W
//     x + width > W       x W - width, width kept (shifted inside)
//     else                unchanged
//   An image size below 1 (nothing decoded) leaves the panel's values.
// Placement (after the image is shown), only when the width or the height is
// above 0: s = Dw / w when the source is wider than D, else 1, for both axes;
//   left = trunc(x s) + D.left, top = trunc(y s) + D.top,
//   right = left + trunc(width s), bottom = top + trunc(height s).

#include <optional>

#include "engine/settings/crop_settings.h"
#include "preview/model/view_geometry.h"

namespace trimlet {

CropRect fitCropToNewImage(const CropRect& viewCropCopy, const CropRect& panelCrop,
                           bool wholeSelect, int imageWidth, int imageHeight);

std::optional<ViewRect> selectionForNewImage(const CropRect& crop, const ViewRect& d,
                                             int sourceWidth);

}  // namespace trimlet

#pragma once
// The selection in control pixels placed from crop values in image pixels,
// and one key step on the crop values.
//
// Placement: x1 = trunc(s X) + D.left, y1 = trunc(s Y) + D.top,
//            x2 = x1 + trunc(s W), y2 = y1 + trunc(s H).
// Key step, one image pixel per press, on X, Y, W, H of an image w x h with
// the selection placed at (x1, y1) - (x2, y2):
//   A        X - 1 while X > 0;        Shift: W - 1 while W > 1
//   W        Y - 1 while Y > 0;        Shift: H - 1 while H > 1
//   D        X + 1, Shift: W + 1; only while x2 < D.right and X + W < w
//   S        Y + 1, Shift: H + 1; only while y2 < D.bottom and Y + H < h
// The shrinking keys stop at 1, the smallest width and height a crop can have.

#include <optional>

#include "engine/settings/crop_settings.h"
#include "preview/model/selection_drag.h"
#include "preview/model/view_geometry.h"
#include "preview/model/view_key.h"

namespace trimlet {

Corners cornersFromCrop(const CropRect& crop, const ViewRect& d, double s);

// Placement after a control resize: as cornersFromCrop, but a selection that
// reaches D's right (bottom) edge is pushed back to end there, keeping its size.
Corners cornersFromCropInside(const CropRect& crop, const ViewRect& d, double s);

// The crop values after one press of `key`; nothing for keys other than
// A, W, D and S. A press at an edge returns the values unchanged.
std::optional<CropRect> applySelectionKey(const CropRect& crop, ViewKey key, bool shift,
                                          const Corners& placed, const ViewRect& d, int imageWidth,
                                          int imageHeight);

}  // namespace trimlet

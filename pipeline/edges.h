#pragma once
// Cutting into the result and adding frames around it.
//
// Inward cut (EdgeCheck on, Inward, CutValue != 0), on a W x H result:
//   percent: left = pct(CutLeft, W), right = W - pct(CutRight, W); the top
//            pct(CutTop, H) and bottom pct(CutBottom, H) rows of the picture go.
//   pixels:  each side above the inward limit is lowered to it (held at 0 when
//            the limit is negative), then the amounts are cut the same way.
// A cut that would leave less than one pixel in a direction keeps one pixel
// (percent amounts are not limited, so 60 % left and 60 % right would
// otherwise ask for a negative width).
//
// Adding an edge (left, right, top, bottom, colour): a (W + l + r) x (H + t + b)
// canvas of the colour (alpha 0 on four channels) with the old result copied
// `top` rows below the new top and `left` columns from the new left.

#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/settings/crop_settings.h"
#include "pipeline/crop_box.h"

namespace trimlet {

// The side amounts lowered to the inward limit (negative limits count as 0).
SideAmounts limitInwardSides(const SideAmounts& sides, int inwardCutLimit);

// The box that stays after cutting `sides` (pixels, or percent when
// percent is true) from a width x height result.
CropBox inwardCutBox(int width, int height, const SideAmounts& sides, bool percent);

Result<ImageBuffer> addEdge(const ImageBuffer& image, int left, int right, int top, int bottom,
                            Rgb color);

}  // namespace trimlet

#pragma once
// Bringing a result to a fixed size. Images are only ever reduced.
//
// Fit to canvas (fixedWidth, fixedHeight > 0): fx = FW / W, fy = FH / H; when
// both are >= 1 the size stays; else f = min(fx, fy), w' = trunc(W f) (+1 when
// FW - w' is positive and odd), h' likewise; reduce to w' x h'; then pad to the
// canvas by FW - width and FH - height when fillColorCheck is on.
// Scale one side (sidePixel > 0): selSide 0 sets the long side, 1 the short
// side (a square sets its width); a side already shorter than sidePixel keeps
// the size; the other side is trunc(other x sidePixel / side).
// Pad to canvas by (dx, dy), negative counting as 0: a canvas of the colour
// (alpha 0 on four channels) with the image at column dx / 2, row dy / 2, so
// an odd extra column lands on the right and an odd extra row at the top.

#include "engine/image/color.h"
#include "engine/image/image_buffer.h"

namespace trimlet {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size& o) const { return width == o.width && height == o.height; }
};

// The reduction target of fit to canvas (w', h' before the min with W, H).
Size fitToCanvasTarget(int width, int height, int fixedWidth, int fixedHeight);
Result<ImageBuffer> fitToCanvas(const ImageBuffer& source, int fixedWidth, int fixedHeight,
                                bool fillColorCheck, Rgb fixedColor);

// The size that scale one side gives.
Size scaleOneSideTarget(int width, int height, int selSide, int sidePixel);
Result<ImageBuffer> scaleOneSide(const ImageBuffer& source, int selSide, int sidePixel);

Result<ImageBuffer> padToCanvas(const ImageBuffer& source, int dx, int dy, Rgb color);

}  // namespace trimlet

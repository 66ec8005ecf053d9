#pragma once
// ScaleToThumbnail: a 48 x 48 picture of 24-bit bitmap rows, by integer block
// averaging, on white.
//
//   input    rows of W x 3 bytes plus `padding`, bottom-up (ToDibRows), W, H >= 1
//   output   48 x 48 x 3 bytes, rows of 144 bytes without padding, in the same
//            row order; pixels outside the picture stay white (255, 255, 255)
// Size and offset (integer divisions):
//   W >= H, W >= 48   w' = 48, h' = H * 48 / W, x0 = 0, y0 = (48 - h') / 2
//   W <  H, H >= 48   h' = 48, w' = W * 48 / H, y0 = 0, x0 = (48 - w') / 2
//   W < 48, H < 48    w' = W, h' = H, centred, not enlarged
// Block factor f = min(W / w', H / h'); source pixel (col, row) of the first
// f w' columns and f h' rows adds to output pixel (x0 + col / f, y0 + row / f),
// which becomes the sum / (f f). A picture whose short side would scale to
// less than one pixel (a ratio above 48 : 1) has no thumbnail: no output and
// a reason.
//
// PlaceThumbnail: w', h', x0, y0 and f above for a W x H picture; w' or h'
// is 0 (and f 0) for a picture too narrow for a thumbnail.
//
// ThumbnailArgb: the 48 x 48 rows as top-down 0xAARRGGBB pixels, pure white
// transparent (the list's background shows through), everything else opaque.

#include <cstdint>
#include <vector>

#include "browser/model/dib_rows.h"
#include "engine/result.h"

namespace trimlet {

constexpr int kThumbnailSize = 48;
constexpr int kThumbnailBytes = kThumbnailSize * kThumbnailSize * 3;

struct ThumbnailPlacement {
  int w = 0, h = 0, x0 = 0, y0 = 0;
  int factor = 0;  // f
};
ThumbnailPlacement PlaceThumbnail(int64_t width, int64_t height);

// `rows` must hold H rows of W x 3 + padding bytes.
Result<std::vector<uint8_t>> ScaleToThumbnail(const uint8_t* rows, int width, int height,
                                              int padding);
Result<std::vector<uint8_t>> ScaleToThumbnail(const DibRows& rows);

// `thumbnail` holds kThumbnailBytes bytes; anything else gives an empty result.
std::vector<uint32_t> ThumbnailArgb(const std::vector<uint8_t>& thumbnail);

}  // namespace trimlet

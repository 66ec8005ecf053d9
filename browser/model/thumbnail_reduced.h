#pragma once
// The thumbnail of a picture from a copy of it decoded at a reduced scale
// (a JPEG decoded at n/8 of its size by the library's DCT scaling).
//
// ThumbnailEighths(W, H): the n (1 or 8) to decode a W x H picture at for
// its thumbnail. 1 when a block of the thumbnail (f x f pixels of the
// picture, ScaleToThumbnail) spans at least one reduced pixel each way,
// f >= 8: a reduced pixel at 1/8 is its 8 x 8 block's mean, so the
// thumbnail stays within a level or two of the whole decode's. Smaller
// pictures (f below 8: a long side under 384 pixels) are decoded whole:
// the library's 2/8 to 7/8 scalings smooth each block rather than average
// it, which shows on fine detail, and such pictures cost little anyway. A
// picture too narrow for a thumbnail gives 1: it is refused after the
// cheapest decode.
//
// ScaleReducedToThumbnail(rows, picture): the 48 x 48 thumbnail of the
// whole picture, from its reduced copy.
//   rows     the reduced copy, upright, as ToDibRows gives it (24-bit,
//            bottom-up), ceil(W n / 8) x ceil(H n / 8) pixels
//   picture  the whole picture's upright size W x H, n, and on each axis
//            whether the reduced copy's short pixel comes first: the
//            decoder's last column and last (bottom) row stand for what is
//            left of the stored sides, fewer than 8/n pixels, and a turn
//            upright may have moved them to the other end
//   output   as ScaleToThumbnail of the whole W x H picture: the same size,
//            offset and block factor f, white around; any n of 1-8 works.
//            Output pixel (x0 + t, y0 + u) is the mean over the picture's
//            block of columns f t ... f (t + 1) - 1 and bottom-up rows
//            f u ... f (u + 1) - 1, each reduced pixel weighed by the part
//            of the block it stands for; integer arithmetic, rounded down.
//            When every reduced pixel is the exact mean of the pixels it
//            stands for (n of 1, 2, 4 or 8 and blocks of one colour) the
//            result equals ScaleToThumbnail's of the whole picture byte for
//            byte; a decoded JPEG comes within the rounding and the
//            upsampling of its reduced decode.
//
// ReducedPictureOf(W, H, n, orientation): the picture argument for a
// stored W x H picture decoded at n/8 and turned upright for `orientation`
// (applyExifOrientation; 1 for none).
//
// Failures, with a reason: a picture too narrow for a thumbnail (the reason
// ScaleToThumbnail gives), a size outside imageSizeAllowed, n outside 1-8,
// rows whose size does not match W, H and n.

#include <cstdint>
#include <vector>

#include "browser/model/dib_rows.h"
#include "engine/result.h"

namespace trimlet {

struct ReducedPicture {
  int64_t width = 0;  // the whole picture, upright
  int64_t height = 0;
  int eighths = 8;                // n
  bool shortColumnFirst = false;  // the short column is the leftmost
  bool shortRowFirst = true;      // the short row is the bottom row (bottom-up order)
};

int ThumbnailEighths(int64_t width, int64_t height);
ReducedPicture ReducedPictureOf(int64_t storedWidth, int64_t storedHeight, int eighths,
                                int orientation);

Result<std::vector<uint8_t>> ScaleReducedToThumbnail(const DibRows& rows,
                                                     const ReducedPicture& picture);

}  // namespace trimlet

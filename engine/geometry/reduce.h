#pragma once
// Area-averaging reduction. Never enlarges: a target side not smaller than
// the current side leaves that side as it is (a plain copy when both are).
// Horizontal reduction first, then vertical. Every byte of a pixel (alpha
// included) is averaged alike, with the 0.9999 snap of the fraction rule:
//   floor'(v) = floor(v) + 1 when v - floor(v) > 0.9999, else floor(v)
//   frac'(v)  = v - floor'(v) when that is >= 0, else 0
// Output byte = trunc(sum / r) with r = n / k, clamped to 0..255.

#include <cstdint>
#include <vector>

#include "engine/image/image_buffer.h"

namespace trimlet {

Result<ImageBuffer> reduceImage(const ImageBuffer& source, int targetWidth, int targetHeight);

// One line of n samples (one byte each, `step` bytes apart) reduced to k
// samples; k < n. Exposed for the tests.
void reduceLine(const uint8_t* source, int n, int sourceStep, uint8_t* destination, int k,
                int destinationStep);

}  // namespace trimlet

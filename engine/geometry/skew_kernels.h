#pragma once
// The loops that carry the shear rotation's work, written so that the
// compiler turns them into vector code (8-bit bytes widened to 16 bits and
// multiplied by a 16-bit multiplier, keeping the high half), and the skew of
// a row of contiguous four-byte pixels built on them. Each gives the same
// bytes as skewCore (skew_core.h) with the weight's table.
// Internal to the geometry code.

#include <cstddef>
#include <cstdint>

#include "engine/geometry/skew_weight.h"

namespace trimlet::geometry_detail {

// Offsets beyond any possible line length act alike; clamping them keeps the
// integer arithmetic of the skew in range.
int offsetOf(double floored);

// For j in [0, bytes): out[j] = a[j] - hi(a[j]) + hi(a[j - 4]) in 8-bit
// arithmetic, hi(x) = (x * multiplier) >> 16: the blended bytes of pixels
// whose previous pixel is in the same row. Reads a[-4 .. bytes - 1]; a and
// out must not overlap.
void blendAlongRow(const uint8_t* a, uint8_t* out, size_t bytes, uint16_t multiplier);

// One row of a vertical skew, every column with its own multiplier:
// for j in [0, bytes): left = (row[j] * multipliers[j]) >> 16;
// row[j] = row[j] - left + leftBelow[j]; leftBelow[j] = left. leftBelow
// holds the left parts of the row below and is left holding this row's.
void blendAcrossRows(uint8_t* row, uint8_t* leftBelow, const uint16_t* multipliers, size_t bytes);

// Writes `count` copies of the pixel (packed 0xAABBGGRR, stored red first).
void fillPixels(uint8_t* destination, int64_t count, uint32_t pixel);

// Positions [begin, end) of a line of n source pixels skewed by `weight`,
// written to out[0 .. end - begin) (four bytes each). `source` holds the
// source pixels from index `first` on, contiguous; it must hold every pixel
// of [max(0, begin - offset - 2), min(n, end - offset)).
void skewWindow(const uint8_t* source, int64_t first, int n, const LineWeight& weight,
                int64_t begin, int64_t end, uint8_t* out, uint32_t background, bool edgeBlending);

}  // namespace trimlet::geometry_detail

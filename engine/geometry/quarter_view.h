#pragma once
// A read-only view of an image turned by quarter turns, without copying it:
// the turned image's pixel (X, Y) is the source pixel at index
// origin + X * pixelStep + Y * rowStep (indices in pixels). Internal to the
// geometry code: quarterTurn copies through it, and the shears read their
// source through it (the identity view, or any turn).

#include <cstddef>
#include <cstdint>

#include "engine/image/image_buffer.h"

namespace trimlet::geometry_detail {

struct QuarterView {
  const uint8_t* pixels = nullptr;  // the source bytes
  int channels = 0;
  int width = 0;   // of the turned image
  int height = 0;  // of the turned image
  ptrdiff_t origin = 0;
  ptrdiff_t pixelStep = 0;
  ptrdiff_t rowStep = 0;
};

// quarters is taken modulo 4 (negative values too); clockwise as displayed.
QuarterView quarterView(const ImageBuffer& source, int quarters);

}  // namespace trimlet::geometry_detail

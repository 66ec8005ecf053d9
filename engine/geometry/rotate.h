#pragma once
// Rotation by any angle: exact quarter turns, then a three-shear rotation with
// linear sub-pixel blending.
//
// Inputs: an image with four bytes per pixel (each pixel one 32-bit value,
// red in the low byte, alpha in the high byte), the angle in degrees as a
// double (any value; it is normalised into [0, 360)), the background pixel
// (packed 0x00BBGGRR, i.e. alpha 0) and the edge-blending switch (off for the
// pipeline, on for the manual cropping window).
// With rows counted upward a positive angle turns the picture clockwise as
// displayed. Output: a new four-byte image; the input is left untouched.
// Fails (with a reason) when given no pixels or when a buffer cannot be
// allocated; nothing is leaked.

#include <cstddef>
#include <cstdint>

#include "engine/image/image_buffer.h"

namespace trimlet {

// The angle split into quarter turns (0-3) and the remaining shear angle.
struct RotationPlan {
  int quarterTurns = 0;
  double remaining = 0.0;
};
RotationPlan planRotation(double degrees);

// quarters 0..3 clockwise (as displayed). Works for any channel count.
Result<ImageBuffer> quarterTurn(const ImageBuffer& source, int quarters);

// The three shears by theta degrees (|theta| <= 45 in practice).
Result<ImageBuffer> shearRotate(const ImageBuffer& source, double theta, uint32_t background,
                                bool edgeBlending);

// The whole entry: normalise, quarter turn, shears (a copy when theta is 0).
Result<ImageBuffer> rotateImage(const ImageBuffer& source, double degrees, uint32_t background,
                                bool edgeBlending);

// Skews one line of n source pixels into a destination line of m pixels at
// integer offset `offset` with weight 0 <= weight < 1. Steps are in pixels, so
// rows (step 1) and columns (step = width) share the code.
void skewLine(const uint32_t* source, ptrdiff_t sourceStep, int n, uint32_t* destination,
              ptrdiff_t destinationStep, int m, int offset, double weight, uint32_t background,
              bool edgeBlending);

}  // namespace trimlet

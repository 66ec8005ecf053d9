#pragma once
// The three-shear rotation, reading its source through a quarter-turn view
// (quarter_view.h). Internal to the geometry code; shearRotate and
// rotateImage call it. `workers` (1 or 2) is how many threads it may use.

#include <cstdint>

#include "engine/geometry/quarter_view.h"
#include "engine/image/image_buffer.h"

namespace trimlet::geometry_detail {

// The angle's factors and the sizes of the three shears (see shear_rotate.cpp).
struct ShearPlan {
  double t = 0, s = 0;
  int width = 0, height = 0;  // W x H, the view's size
  int firstWidth = 0;         // W1
  int height2 = 0;            // H2
  int width2 = 0;             // W2
  uint32_t background = 0;
  bool edgeBlending = false;
};

// Fails when a side would not fit an int (steep angles near a half turn).
Result<ShearPlan> planShears(int width, int height, double theta, uint32_t background,
                             bool edgeBlending);

// The three shears from the view into `out` (W2 x H2, four channels). The
// first shear is made in small tiles as the second needs them, the second
// in bands of rows that go straight through the third, so no intermediate
// image exists as a whole. Throws std::bad_alloc when memory runs out.
void shearInBands(const QuarterView& view, const ShearPlan& plan, ImageBuffer* out, int workers);

// The whole rotation: view.channels must be 4; theta must be finite. Only the
// source and the result exist as whole images.
Result<ImageBuffer> shearRotateView(const QuarterView& view, double theta, uint32_t background,
                                    bool edgeBlending, int workers);

}  // namespace trimlet::geometry_detail

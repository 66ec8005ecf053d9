#pragma once
// The three-shear rotation, reading its source through a quarter-turn view
// (quarter_view.h). Internal to the geometry code; shearRotate and
// rotateImage call it.

#include <cstdint>

#include "engine/geometry/quarter_view.h"
#include "engine/image/image_buffer.h"

namespace trimlet::geometry_detail {

// view.channels must be 4; theta must be finite. When `consumed` is given
// (the buffer the view reads), it is released as soon as the first shear is
// done, so that no more than three buffers exist at once.
Result<ImageBuffer> shearRotateView(const QuarterView& view, double theta, uint32_t background,
                                    bool edgeBlending, ImageBuffer* consumed = nullptr);

}  // namespace trimlet::geometry_detail

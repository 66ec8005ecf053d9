#pragma once
// The three-shear rotation read through a quarter-turn view (quarter_view.h),
// so that a quarter turn followed by shears needs no buffer for the turned
// image. Internal to the geometry code; shearRotate and rotateImage call it.

#include <cstdint>

#include "engine/geometry/quarter_view.h"
#include "engine/image/image_buffer.h"

namespace trimlet::geometry_detail {

// view.channels must be 4; theta must be finite.
Result<ImageBuffer> shearRotateView(const QuarterView& view, double theta, uint32_t background,
                                    bool edgeBlending);

}  // namespace trimlet::geometry_detail

#pragma once
// Turning a decoded picture upright for its EXIF orientation.
//
// The EXIF orientation tells where the stored picture's first row and first
// column belong when it is shown: 1 top/left (as stored), 2 top/right,
// 3 bottom/right, 4 bottom/left, 5 left/top, 6 right/top, 7 right/bottom,
// 8 left/bottom. Upright means: 1 nothing, 2 mirrored left-right, 3 turned
// 180 degrees, 4 mirrored top-bottom, 5 mirrored along the top-left to
// bottom-right diagonal, 6 turned 90 degrees clockwise, 7 mirrored along
// the other diagonal, 8 turned 90 degrees anticlockwise. 5 to 8 swap width
// and height.
// Any channel count; a new buffer (a copy for 1); the input is left alone.
// Fails with a reason for an empty image or an orientation outside 1-8, or
// when a buffer cannot be allocated.

#include <cstdint>

#include "engine/image/image_buffer.h"

namespace trimlet {

Result<ImageBuffer> applyExifOrientation(const ImageBuffer& stored, int orientation);

// True for the orientations that swap width and height (5-8).
inline bool orientationSwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

}  // namespace trimlet

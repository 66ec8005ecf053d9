#pragma once
// Mirrors of the result: left-right (column x to W - 1 - x) and top-bottom
// (row y to H - 1 - y). Any channel count; every byte of a pixel moves with
// it. Each returns a new buffer of the same size.

#include "engine/image/image_buffer.h"

namespace trimlet {

Result<ImageBuffer> mirrorLeftRight(const ImageBuffer& source);
Result<ImageBuffer> mirrorTopBottom(const ImageBuffer& source);

}  // namespace trimlet

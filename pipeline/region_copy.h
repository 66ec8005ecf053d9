#pragma once
// Copying a box of an image into a new buffer of `channels` bytes per pixel
// (3 or 4): the first three bytes of every pixel, and its alpha when both the
// source and the output have four channels (a 3-channel source into 4
// channels gets alpha 0). The source is read at its own stride. The box must
// lie inside the source and be at least one pixel in each direction.

#include "engine/image/image_buffer.h"
#include "pipeline/crop_box.h"

namespace trimlet {

// Whether the box lies inside the source and holds at least one pixel.
bool boxLiesInside(const ImageBuffer& source, const CropBox& box);

Result<ImageBuffer> copyRegion(const ImageBuffer& source, const CropBox& box, int channels);

}  // namespace trimlet

#pragma once
// The photo road of Auto Crop: one picture straightened (Auto Rotate), or
// every photo of a scanned page cut on its own (Split Photos, each one
// straightened when Auto Rotate is on too), then the crop engine
// (crop_engine.h: fixed size, inward cut, edges and frame) on every piece.
//
//   findsPhotos  whether the inputs take this road: Auto Crop mode with the
//                gathered Auto Rotate or Split Photos on.
//   cropPhotos   the road. The detector of `inputs` supplies the mask's
//                parameters (configureDetector) and comes back unchanged in
//                the outcome; the source is only read.
//
// Straighten: straightenForeground (engine/detect/straighten.h) counting the
//   regions of at least Min Photo Percent of the image; its box is taken as
//   a detected rectangle is (chooseCropBox: one that spans the image is the
//   whole image) and cut from the turned image. A picture that is already
//   straight, or not rectangular enough to tell, is not turned and comes out
//   as detection alone cuts it.
// Split: findPhotos with Min Photo Percent, in reading order; each photo cut
//   by cutPhoto, turned by its tilt only when Auto Rotate is on. A page on
//   which no region is large enough fails with a reason: no photo, nothing
//   to write.
// The outcome (crop_road.h): one piece per picture; `box` is the first
// piece's; the cut limits are the smallest of all pieces (the panel's inward
// amount then fits every piece), the lowered amounts and the size reached by
// scaling one side those of the piece with the smallest limit.
// Failures (memory, an impossible setting) give a reason.

#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "pipeline/crop_road.h"

namespace trimlet {

bool findsPhotos(const CropInputs& inputs);

Result<CropOutcome> cropPhotos(const ImageBuffer& source, const CropInputs& inputs);

}  // namespace trimlet

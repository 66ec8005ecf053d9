#pragma once
// The crop engine: from the source image and the chosen crop box to the
// result, in this order (W x H always the current result size):
//   1. cut out the box, at 4 bytes per pixel when KeepAlpha, else 3;
//   2. Manual Crop mode only: rotate by RotationDegree on a FixedColor
//      background, then detect again with the detector's current parameters
//      and BackgroundColor and cut down to what it finds;
//   3. fixed size: fit into FixedWidth x FixedHeight (SizeMode 0, both > 0) or
//      scale one side to SidePixel (SizeMode 1, > 0; the new size is written
//      into FixedWidth and FixedHeight);
//   4. InwardCutLimit = min(W, H) / 2 - 1, handed to the panel;
//   5. the inward cut (percent, or pixels lowered to the limit: interactively
//      the lowered amounts are written back to the panel's side fields and its
//      cut value; in a batch they hold for this image only);
//   6. copy the cut box into a new result (also when nothing was cut);
//   7. outward edges: one FillColor frame, or the "Additive" layers in order,
//      each computed on the size the previous layers reached.
// Panel fields (mode, rotation, fixed size, EdgeCheck) come from
// inputs.settings; the cut amounts, cut type and direction, colours and
// Additive from inputs.gathered. What step 3 and the interactive lowering of
// step 5 change, and the limit of step 4, come back in the outcome.

#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "pipeline/crop_box.h"
#include "pipeline/crop_road.h"

namespace trimlet {

// Fills outcome.result, resultCutLimit, lowered, scaledSize and detector.
Status runCropEngine(const ImageBuffer& source, const CropBox& box, const CropInputs& inputs,
                     CropOutcome& outcome);

}  // namespace trimlet

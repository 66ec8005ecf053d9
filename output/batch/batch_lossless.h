#pragma once
// When a batch writes a piece by the lossless JPEG cut (imagefile/
// lossless_jpeg.h) instead of encoding its pixels again.
//
//   roadOnlyCuts      the road did nothing to the piece but cut it out: no
//                     fixed size, no edge or frame (Edge Check off), and
//                     nothing turned: in Manual Crop no rotation (a whole
//                     number of turns counts too) and no flip, in Auto Crop
//                     a piece that was not straightened (an angle of 0: an
//                     upright picture, or a photo of a split without Auto
//                     Rotate).
//   wantsLosslessCut  Lossless JPEG on, a JPEG source, a JPEG writer and a
//                     road that only cut.
//   pictureBox        a crop box (buffer rows, bottom-up) as the lossless
//                     cut takes it: from the picture's top-left corner.
// The cut may still be refused for a file (a box on the partial blocks of a
// turned picture, a subsampling TurboJPEG does not know, damaged data); the
// batch then encodes the decoded piece as usual and says why.

#include "engine/settings/crop_settings.h"
#include "imagefile/image_format.h"
#include "imagefile/lossless_jpeg.h"
#include "pipeline/crop_box.h"
#include "pipeline/crop_road.h"

namespace trimlet {

bool roadOnlyCuts(const CropSettings& settings, const CropPiece& piece);
bool wantsLosslessCut(const CropSettings& settings, SourceFormat source, SourceFormat writer,
                      const CropPiece& piece);
PixelBox pictureBox(const CropBox& box, int sourceHeight);

}  // namespace trimlet

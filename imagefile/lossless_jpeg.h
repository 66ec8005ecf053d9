#pragma once
// Cutting a box out of a JPEG file without decoding and encoding its picture
// again (TurboJPEG's lossless transform with a crop), for results that are
// only cut.
//
// Boxes are in the upright picture (the source turned by its EXIF
// orientation unless ReadOptions says to handle it as stored), measured from
// its top-left corner. The picture is stored in blocks (8 or 16 pixels a
// side by the chroma subsampling, 32 for 4:1:1), and a cut can only start
// on a block edge: the box's left and top edges move outward to the block
// grid, its right and bottom edges stay. The grid is that of the stored
// picture, turned with it. When the orientation is turned too, the turn is
// exact only for whole blocks: a turn that would bring the partial blocks at
// the stored picture's right or bottom edge to the upright picture's left
// or top edge shifts the grid there, and a box that reaches into those few
// pixels cannot be cut without loss.
//
// planLosslessJpegCut reads only the file's header and says what the cut
// would be (for dry runs and reports) or why there can be none: not a JPEG,
// a subsampling TurboJPEG does not know, a box outside the picture, the
// partial blocks above, a picture whose coefficients would take more than
// kJpegMemoryLimit. cutJpegLosslessly does the same planning, then writes
// the cut through AtomicFile (the target is replaced only when the whole cut
// succeeded) with the source's metadata carried as result_metadata.h says
// (MetadataTarget::kLosslessJpeg). It can still fail on picture data the
// header did not show (a damaged or truncated file: TurboJPEG's warnings
// count as errors); callers then decode and encode instead. The cut keeps
// the source's colour space, and progressive coding when the source has it
// (with Huffman tables computed for the cut; a baseline cut uses the
// standard tables, which is what makes it fast).
//
// The cut holds the source's coefficients unchanged. Decoded, a cut that is
// not turned equals the decoded source's adjusted box pixel for pixel
// wherever decoding is block by block (4:4:4 and grey files always; with
// chroma subsampling when both are decoded without smoothed upsampling).
// Turned blocks meet the decoder's rounding turned too: decoded, a turned
// cut may differ from the turned decoded source by a level or three.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/result.h"
#include "imagefile/image_format.h"

namespace trimlet {

struct PixelBox {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const PixelBox& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
  bool operator!=(const PixelBox& o) const { return !(*this == o); }
};

struct LosslessCutPlan {
  PixelBox requested;
  PixelBox adjusted;  // what is written: left and top moved to the grid
  int gridWidth = 8;  // the block grid of the upright picture
  int gridHeight = 8;
  int orientation = 1;       // the EXIF orientation the cut turns upright (1: none)
  int32_t pictureWidth = 0;  // the upright picture
  int32_t pictureHeight = 0;
  bool moved() const { return requested != adjusted; }
};

struct LosslessCutOutcome {
  LosslessCutPlan plan;
  std::vector<std::string> warnings;  // metadata left out
};

Result<LosslessCutPlan> planLosslessJpegCut(const std::string& source, const PixelBox& box,
                                            const ReadOptions& options = ReadOptions());
Result<LosslessCutOutcome> cutJpegLosslessly(const std::string& source, const std::string& target,
                                             const PixelBox& box,
                                             const ReadOptions& options = ReadOptions());

}  // namespace trimlet

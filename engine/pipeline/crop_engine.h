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
// Panel fields (mode, rotation, fixed size, EdgeCheck) are read from the
// record as they are now; the cut amounts, cut type and direction, colours
// and Additive come from the settings copy.

#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/image_buffer.h"
#include "engine/pipeline/crop_box.h"
#include "engine/pipeline/frame_list.h"
#include "engine/pipeline/pipeline_ports.h"
#include "engine/settings/crop_settings.h"

namespace trimlet {

struct CropEngineInput {
  const ImageBuffer* source = nullptr;
  CropBox box;
  bool keepAlpha = false;
  bool batch = false;
  const std::vector<FrameLayer>* frames = nullptr;
};

class CropEngine {
 public:
  CropEngine(SettingsPanelPort& panel, GatheredSettings& copy, BackgroundDetector& detector)
      : panel_(panel), copy_(copy), detector_(detector) {}

  Result<ImageBuffer> run(const CropEngineInput& input);
  // The limit of step 4 of the last run (min(W, H) / 2 - 1, may be negative).
  int inwardCutLimit() const { return inwardCutLimit_; }

 private:
  Result<ImageBuffer> rotateAndDetect(ImageBuffer image, bool keepAlpha);
  Result<ImageBuffer> fixedSize(ImageBuffer image);
  CropBox inwardBox(const ImageBuffer& image, bool batch);
  Result<ImageBuffer> outwardEdges(ImageBuffer image, const std::vector<FrameLayer>* frames);

  SettingsPanelPort& panel_;
  GatheredSettings& copy_;
  BackgroundDetector& detector_;
  int inwardCutLimit_ = 0;
};

}  // namespace trimlet

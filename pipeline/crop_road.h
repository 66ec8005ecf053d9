#pragma once
// One image's road from decoded pixels to the result, as plain functions of
// their inputs: no files, no windows, nothing kept between calls.
//
//   configureDetector  the detector's parameters for the cropping mode: in
//                      Auto Crop the gathered tolerance, threshold and filter
//                      size; in Manual Crop 0, 0, 0 (every pixel foreground,
//                      so detection yields the whole image).
//   chooseCropBox      the box to cut: in Manual Crop with a valid manual
//                      rectangle the stored box fitted into the source again;
//                      otherwise the detected rectangle (the whole image when
//                      it spans either direction), right and bottom exclusive.
//   cropAtBox          the crop engine on that box (crop_engine.h), then in
//                      Manual Crop the flips: left-right, then top-bottom.
//   cropImage          all of it for a batch: the WholeSelect rectangle,
//                      detection, the box, the engine.
//
// What the road writes back to the settings panel comes out as values in
// CropOutcome (the inward-cut limits, the lowered side amounts, the fixed size
// reached by scaling one side), together with the detector as the run left
// it: a rotation in Manual Crop detects again on the turned picture with the
// detector's parameters, and the preview keeps that detector for its next run.

#include <optional>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "engine/settings/crop_settings.h"
#include "pipeline/crop_box.h"
#include "pipeline/frame_list.h"

namespace trimlet {

struct CropInputs {
  // The panel's fields as they are now (mode, manual rectangle, rotation,
  // flips, fixed size, edge check ...).
  CropSettings settings;
  // The gathered values the road uses (tolerance, filter, cut amounts and
  // unit, colours, Additive).
  GatheredSettings gathered;
  std::vector<FrameLayer> frames;
  bool keepAlpha = false;
  // A batch: a lowered inward amount holds for this image only.
  bool batch = false;
  // The source view's WholeSelect option: the manual rectangle is the whole
  // image and the detector reports the whole image.
  bool wholeSelect = false;
  // The stored manual box (buffer coordinates) and whether it holds one.
  bool manualRectValid = false;
  CropBox manualBox;
  // The detector with its parameters and its last findings.
  BackgroundDetector detector;
};

// The side amounts and cut value an interactive inward cut lowered.
struct LoweredCut {
  SideAmounts sides;
  int cutValue = 0;
};

struct CropOutcome {
  ImageBuffer result;
  CropBox box;                // the box cut from the source
  int boxCutLimit = 0;        // min(box width, box height) / 2 - 1
  int resultCutLimit = 0;     // the same for the result before the inward cut
  std::optional<LoweredCut> lowered;   // interactive inward amounts lowered
  std::optional<CropRect> scaledSize;  // width, height after scaling one side
  BackgroundDetector detector;         // as the run left it
};

void configureDetector(BackgroundDetector& detector, CroppingMode mode,
                       const GatheredSettings& gathered, bool wholeSelect);

CropBox chooseCropBox(const DetectedRect& detected, const CropSettings& settings,
                      bool manualRectValid, const CropBox& manualBox, int width, int height);

// The engine and the flips on `box` (which must lie inside the source).
Result<CropOutcome> cropAtBox(const ImageBuffer& source, const CropBox& box,
                              const CropInputs& inputs);

// The whole road for a batch. `inputs.detector` gets its parameters here.
Result<CropOutcome> cropImage(const ImageBuffer& source, CropInputs inputs);

}  // namespace trimlet

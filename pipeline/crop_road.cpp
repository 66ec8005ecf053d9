// One image's road from decoded pixels to the result (see crop_road.h).
#include "pipeline/crop_road.h"

#include <algorithm>
#include <utility>

#include "engine/geometry/mirror.h"
#include "pipeline/crop_engine.h"
#include "pipeline/photo_road.h"

namespace trimlet {

void configureDetector(BackgroundDetector& detector, CroppingMode mode,
                       const GatheredSettings& gathered, bool wholeSelect) {
  const bool automatic = mode == CroppingMode::kAuto;
  detector.setTolerance(automatic ? gathered.tolerance : 0);
  detector.setNoiseThreshold(automatic ? gathered.noiseThreshold : 0);
  detector.setFilterSize(automatic ? gathered.filterSize : 0);
  detector.setWholeSelect(wholeSelect);
}

CropBox chooseCropBox(const DetectedRect& detected, const CropSettings& settings,
                      bool manualRectValid, const CropBox& manualBox, int width, int height) {
  if (settings.croppingMode != CroppingMode::kAuto && manualRectValid)
    return fitBoxInto(manualBox, width, height);
  DetectedRect r = detected;
  if (r.right - r.left >= width || r.bottom - r.top >= height)
    r = DetectedRect{0, 0, width - 1, height - 1};
  return fitBoxInto(CropBox{r.left, r.top, r.right + 1, r.bottom + 1}, width, height);
}

Result<CropOutcome> cropAtBox(const ImageBuffer& source, const CropBox& box,
                              const CropInputs& inputs) {
  CropOutcome outcome;
  outcome.box = box;
  outcome.boxCutLimit = std::min(box.width(), box.height()) / 2 - 1;
  Status run = runCropEngine(source, box, inputs, outcome);
  if (!run) return Result<CropOutcome>::failure(run);
  if (inputs.settings.croppingMode == CroppingMode::kManual) {
    if (inputs.settings.flipHorizontal) {
      auto mirrored = mirrorLeftRight(outcome.result);
      if (!mirrored) return Result<CropOutcome>::failure(mirrored.reason());
      outcome.result = mirrored.take();
    }
    if (inputs.settings.flipVertical) {
      auto mirrored = mirrorTopBottom(outcome.result);
      if (!mirrored) return Result<CropOutcome>::failure(mirrored.reason());
      outcome.result = mirrored.take();
    }
  }
  CropPiece piece;
  piece.box = box;
  piece.outline = RotatedRect{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0,
                              double(box.width()), double(box.height()), 0.0};
  piece.cutWidth = box.width();
  piece.cutHeight = box.height();
  outcome.pieces.push_back(std::move(piece));
  return outcome;
}

Result<CropOutcome> cropImage(const ImageBuffer& source, CropInputs inputs) {
  const int w = source.width();
  const int h = source.height();
  CropSettings& f = inputs.settings;
  if (inputs.wholeSelect) {
    f.cropX = 0;
    f.cropY = 0;
    f.cropWidth = w;
    f.cropHeight = h;
  }
  configureDetector(inputs.detector, f.croppingMode, inputs.gathered, inputs.wholeSelect);
  // The photo road measures the foreground itself.
  if (findsPhotos(inputs)) {
    // Its pieces come from turned or cut-out copies, never from the source.
    inputs.shareSource = false;
    return cropPhotos(source, inputs);
  }
  Status detected = inputs.detector.detect(source, inputs.gathered.backgroundColor);
  if (!detected) return Result<CropOutcome>::failure(detected);
  if (f.croppingMode == CroppingMode::kManual && inputs.manualRectValid)
    inputs.manualBox = manualCropBox(CropRect{f.cropX, f.cropY, f.cropWidth, f.cropHeight}, w, h);
  const CropBox box =
      chooseCropBox(inputs.detector.rectangle(), f, inputs.manualRectValid, inputs.manualBox, w, h);
  return cropAtBox(source, box, inputs);
}

}  // namespace trimlet

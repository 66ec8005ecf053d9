#include "engine/pipeline/crop_engine.h"

#include <algorithm>
#include <utility>

#include "engine/geometry/fixed_size.h"
#include "engine/geometry/rotate.h"
#include "engine/image/pixel_layout.h"
#include "engine/pipeline/edges.h"
#include "engine/pipeline/percent.h"
#include "engine/pipeline/region_copy.h"

namespace trimlet {

Result<ImageBuffer> CropEngine::run(const CropEngineInput& input) {
  const int channels = input.keepAlpha ? 4 : 3;
  auto cut = copyRegion(*input.source, input.box, channels);
  if (!cut) return cut;
  ImageBuffer result = cut.take();

  if (panel_.fields().croppingMode == kManualCrop) {
    auto rotated = rotateAndDetect(std::move(result), input.keepAlpha);
    if (!rotated) return rotated;
    result = rotated.take();
  }

  if (panel_.fields().fixedSize) {
    auto sized = fixedSize(std::move(result));
    if (!sized) return sized;
    result = sized.take();
  }

  inwardCutLimit_ = std::min(result.width(), result.height()) / 2 - 1;
  panel_.setInwardCutLimit(inwardCutLimit_);

  const CropBox keep = inwardBox(result, input.batch);
  auto kept = copyRegion(result, keep, channels);
  if (!kept) return kept;

  return outwardEdges(kept.take(), input.frames);
}

Result<ImageBuffer> CropEngine::rotateAndDetect(ImageBuffer image, bool keepAlpha) {
  const double degrees = panel_.fields().rotationDegree;
  const RotationPlan plan = planRotation(degrees);
  if (plan.quarterTurns != 0 || plan.remaining != 0.0) {
    auto four = widenToFour(image, keepAlpha);
    if (!four) return four;
    auto turned = rotateImage(*four, degrees, copy_.fixedColor.packed(), false);
    if (!turned) return turned;
    auto back = narrowFromFour(*turned, keepAlpha);
    if (!back) return back;
    image = back.take();
  }
  // With tolerance 0 every pixel is foreground and the detection finds the
  // whole image, so it only needs to run for other parameters.
  if (detector_.tolerance() == 0) return image;
  Status found = detector_.detect(image, copy_.backgroundColor);
  if (!found) return Result<ImageBuffer>::failure(found);
  const DetectedRect r = detector_.rectangle();
  return copyRegion(image, CropBox{r.left, r.top, r.right + 1, r.bottom + 1}, image.channels());
}

Result<ImageBuffer> CropEngine::fixedSize(ImageBuffer image) {
  CropSettings& f = panel_.fields();
  if (f.sizeMode == 0 && f.fixedWidth > 0 && f.fixedHeight > 0)
    return fitToCanvas(image, f.fixedWidth, f.fixedHeight, f.fillColorCheck != 0,
                       copy_.fixedColor);
  if (f.sizeMode == 1 && f.sidePixel > 0) {
    auto scaled = scaleOneSide(image, f.selSide, f.sidePixel);
    if (!scaled) return scaled;
    f.fixedWidth = scaled->width();
    f.fixedHeight = scaled->height();
    panel_.showFields();
    return scaled;
  }
  return image;
}

CropBox CropEngine::inwardBox(const ImageBuffer& image, bool batch) {
  const int w = image.width();
  const int h = image.height();
  const CropBox whole{0, 0, w, h};
  if (!panel_.fields().edgeCheck || copy_.cutDirection != kCutInward || copy_.cutValue == 0)
    return whole;
  const SideAmounts sides{copy_.cutLeft, copy_.cutRight, copy_.cutTop, copy_.cutBottom};
  if (copy_.cutType == kCutPercent) return inwardCutBox(w, h, sides, true);

  const SideAmounts lowered = limitInwardSides(sides, inwardCutLimit_);
  // In a batch the lowering holds for this image only; the next image starts
  // again from the gathered amounts. Interactively it is written back.
  if (!batch) {
    CropSettings& f = panel_.fields();
    bool changed = false;
    auto writeBack = [&](int original, int value, int& panelSide, int& copySide) {
      if (value == original) return;
      panelSide = value;
      copySide = value;
      f.cutValue = value;
      copy_.cutValue = value;
      changed = true;
    };
    writeBack(sides.left, lowered.left, f.cutLeft, copy_.cutLeft);
    writeBack(sides.right, lowered.right, f.cutRight, copy_.cutRight);
    writeBack(sides.top, lowered.top, f.cutTop, copy_.cutTop);
    writeBack(sides.bottom, lowered.bottom, f.cutBottom, copy_.cutBottom);
    if (changed) panel_.showFields();
  }
  return inwardCutBox(w, h, lowered, false);
}

Result<ImageBuffer> CropEngine::outwardEdges(ImageBuffer image,
                                             const std::vector<FrameLayer>* frames) {
  if (!panel_.fields().edgeCheck || copy_.cutDirection != kCutOutward) return image;
  const bool percent = copy_.cutType == kCutPercent;
  auto horizontal = [&](int amount, const ImageBuffer& img) {
    return percent ? percentOf(amount, img.width()) : amount;
  };
  auto vertical = [&](int amount, const ImageBuffer& img) {
    return percent ? percentOf(amount, img.height()) : amount;
  };

  if (!copy_.additive) {
    if (copy_.cutLeft == 0 && copy_.cutRight == 0 && copy_.cutTop == 0 && copy_.cutBottom == 0)
      return image;
    return addEdge(image, horizontal(copy_.cutLeft, image), horizontal(copy_.cutRight, image),
                   vertical(copy_.cutTop, image), vertical(copy_.cutBottom, image),
                   copy_.fillColor);
  }
  if (!frames) return image;
  for (const FrameLayer& layer : *frames) {
    const int h = horizontal(layer.amount, image);
    const int v = vertical(layer.amount, image);
    int l = 0, r = 0, t = 0, b = 0;
    switch (layer.side) {
      case kEdgeAll: l = r = h; t = b = v; break;
      case kEdgeLeft: l = h; break;
      case kEdgeRight: r = h; break;
      case kEdgeTop: t = v; break;
      case kEdgeBottom: b = v; break;
      default: break;
    }
    auto framed = addEdge(image, l, r, t, b, layer.color);
    if (!framed) return framed;
    image = framed.take();
  }
  return image;
}

}  // namespace trimlet

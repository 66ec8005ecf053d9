#include "pipeline/crop_engine.h"

#include <algorithm>
#include <utility>

#include "engine/geometry/fixed_size.h"
#include "engine/geometry/rotate.h"
#include "engine/geometry/rotate_workers.h"
#include "engine/image/pixel_layout.h"
#include "pipeline/edges.h"
#include "pipeline/percent.h"
#include "pipeline/region_copy.h"

namespace trimlet {

namespace {

bool turns(const CropInputs& in) {
  const RotationPlan plan = planRotation(in.settings.rotationDegree);
  return in.settings.croppingMode == CroppingMode::kManual &&
         (plan.quarterTurns != 0 || plan.remaining != 0.0);
}

// Step 2: turn by RotationDegree on FixedColor, then detect again with the
// detector's parameters and cut down to what it finds. A picture that turns
// arrives cut at four bytes a pixel already (the rotation's form; its fourth
// byte, when the result keeps no alpha, is dropped after the turn and never
// touches the colours).
Result<ImageBuffer> rotateAndDetect(ImageBuffer image, const CropInputs& in,
                                    BackgroundDetector& detector) {
  const double degrees = in.settings.rotationDegree;
  if (turns(in)) {
    auto turned = rotateImageWithWorkers(image, degrees, in.gathered.fixedColor.packed(), false,
                                         in.rotationWorkers);
    if (!turned) return turned;
    auto back = narrowFromFour(*turned, in.keepAlpha);
    if (!back) return back;
    image = back.take();
  }
  // With tolerance 0 every pixel is foreground and the detection finds the
  // whole image, so it only needs to run for other parameters.
  if (detector.tolerance() == 0) return image;
  Status found = detector.detect(image, in.gathered.backgroundColor);
  if (!found) return Result<ImageBuffer>::failure(found);
  const DetectedRect r = detector.rectangle();
  return copyRegion(image, CropBox{r.left, r.top, r.right + 1, r.bottom + 1}, image.channels());
}

// Step 3: fit into FixedWidth x FixedHeight, or scale one side.
Result<ImageBuffer> fixedSize(ImageBuffer image, const CropInputs& in, CropOutcome& outcome) {
  const CropSettings& f = in.settings;
  if (f.sizeMode == SizeMode::kWidthHeight && f.fixedWidth > 0 && f.fixedHeight > 0)
    return fitToCanvas(image, f.fixedWidth, f.fixedHeight, f.fillColorCheck != 0,
                       in.gathered.fixedColor);
  if (f.sizeMode == SizeMode::kOneSide && f.sidePixel > 0) {
    auto scaled = scaleOneSide(image, toInt(f.selSide), f.sidePixel);
    if (!scaled) return scaled;
    outcome.scaledSize = CropRect{0, 0, scaled->width(), scaled->height()};
    return scaled;
  }
  return image;
}

// Step 5: the box that stays after the inward cut.
CropBox inwardBox(const ImageBuffer& image, const CropInputs& in, CropOutcome& outcome) {
  const int w = image.width();
  const int h = image.height();
  const CropBox whole{0, 0, w, h};
  const GatheredSettings& g = in.gathered;
  if (!in.settings.edgeCheck || g.cutDirection != CutDirection::kInward || g.cutValue == 0)
    return whole;
  const SideAmounts sides{g.cutLeft, g.cutRight, g.cutTop, g.cutBottom};
  if (g.cutType == CutType::kPercent) return inwardCutBox(w, h, sides, true);

  const SideAmounts lowered = limitInwardSides(sides, outcome.resultCutLimit);
  // In a batch the lowering holds for this image only; the next image starts
  // again from the gathered amounts. Interactively it goes back to the panel:
  // each lowered side, and the cut value as the last of them.
  if (!in.batch) {
    LoweredCut back{sides, g.cutValue};
    bool changed = false;
    auto lower = [&](int original, int value, int& side) {
      if (value == original) return;
      side = value;
      back.cutValue = value;
      changed = true;
    };
    lower(sides.left, lowered.left, back.sides.left);
    lower(sides.right, lowered.right, back.sides.right);
    lower(sides.top, lowered.top, back.sides.top);
    lower(sides.bottom, lowered.bottom, back.sides.bottom);
    if (changed) outcome.lowered = back;
  }
  return inwardCutBox(w, h, lowered, false);
}

// Step 7: one FillColor frame, or the Additive layers in order.
Result<ImageBuffer> outwardEdges(ImageBuffer image, const CropInputs& in) {
  const GatheredSettings& g = in.gathered;
  if (!in.settings.edgeCheck || g.cutDirection != CutDirection::kOutward) return image;
  const bool percent = g.cutType == CutType::kPercent;
  auto horizontal = [&](int amount, const ImageBuffer& img) {
    return percent ? percentOf(amount, img.width()) : amount;
  };
  auto vertical = [&](int amount, const ImageBuffer& img) {
    return percent ? percentOf(amount, img.height()) : amount;
  };

  if (!g.additive) {
    if (g.cutLeft == 0 && g.cutRight == 0 && g.cutTop == 0 && g.cutBottom == 0) return image;
    return addEdge(image, horizontal(g.cutLeft, image), horizontal(g.cutRight, image),
                   vertical(g.cutTop, image), vertical(g.cutBottom, image), g.fillColor);
  }
  for (const FrameLayer& layer : in.frames) {
    const int h = horizontal(layer.amount, image);
    const int v = vertical(layer.amount, image);
    int l = 0, r = 0, t = 0, b = 0;
    switch (layer.side) {
      case EdgeType::kAll:
        l = r = h;
        t = b = v;
        break;
      case EdgeType::kLeft: l = h; break;
      case EdgeType::kRight: r = h; break;
      case EdgeType::kTop: t = v; break;
      case EdgeType::kBottom: b = v; break;
      default: break;
    }
    auto framed = addEdge(image, l, r, t, b, layer.color);
    if (!framed) return framed;
    image = framed.take();
  }
  return image;
}

// Whether the result is exactly the box of the source, so that a caller
// that keeps the source can read it there instead of from a copy.
bool resultIsTheBox(const ImageBuffer& source, const CropInputs& in, int channels) {
  return in.shareSource && in.settings.croppingMode == CroppingMode::kAuto &&
         !in.settings.fixedSize && !in.settings.edgeCheck && source.channels() == channels;
}

}  // namespace

Status runCropEngine(const ImageBuffer& source, const CropBox& box, const CropInputs& in,
                     CropOutcome& outcome) {
  outcome.detector = in.detector;
  const int channels = in.keepAlpha ? 4 : 3;
  if (resultIsTheBox(source, in, channels)) {
    if (source.empty() || !boxLiesInside(source, box))
      return Status::failure("The crop rectangle lies outside the image.");
    outcome.sharedBox = box;
    outcome.resultCutLimit = std::min(box.width(), box.height()) / 2 - 1;
    return Status::success();
  }
  auto cut = copyRegion(source, box, turns(in) ? 4 : channels);
  if (!cut) return Status::failure(cut.reason());
  ImageBuffer result = cut.take();

  if (in.settings.croppingMode == CroppingMode::kManual) {
    auto rotated = rotateAndDetect(std::move(result), in, outcome.detector);
    if (!rotated) return Status::failure(rotated.reason());
    result = rotated.take();
  }

  if (in.settings.fixedSize) {
    auto sized = fixedSize(std::move(result), in, outcome);
    if (!sized) return Status::failure(sized.reason());
    result = sized.take();
  }

  outcome.resultCutLimit = std::min(result.width(), result.height()) / 2 - 1;

  // Without an inward cut the whole result stays: it is handed on as it is.
  const CropBox keep = inwardBox(result, in, outcome);
  if (!(keep == CropBox{0, 0, result.width(), result.height()}) || result.channels() != channels) {
    auto kept = copyRegion(result, keep, channels);
    if (!kept) return Status::failure(kept.reason());
    result = kept.take();
  }

  auto framed = outwardEdges(std::move(result), in);
  if (!framed) return Status::failure(framed.reason());
  outcome.result = framed.take();
  return Status::success();
}

}  // namespace trimlet

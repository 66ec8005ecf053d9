// ImageViewModel: the mouse. Left button down starts a new selection, a move
// or a resize (or picks the crop colour in pick mode); moves with the button
// down drag; the release writes the final crop values and re-runs the
// pipeline; the right button toggles the whole image.
#include <algorithm>

#include "preview/model/colour_pick.h"
#include "preview/model/image_view_model.h"

namespace trimlet {

ViewResponse ImageViewModel::mouseMove(ViewPoint p) {
  if (layout_.image.isEmpty()) return {};
  if (pickMode_) return {false, CursorShape::kPick};
  if (dragging_) return dragStep(p);
  hitCode_ = hitTest(selection_, p);
  return {false, cursorForHitCode(hitCode_)};
}

ViewResponse ImageViewModel::leftButtonDown(ViewPoint p) {
  if (!host_.sourceSize().present()) return {};
  if (pickMode_) return pick(p);
  if (layout_.image.isEmpty()) return {};

  const float rw = host_.fixedRatioWidth();
  const float rh = host_.fixedRatioHeight();
  ratio_ = host_.fixedRatio() && rw > 0 && rh > 0 ? rh / rw : 0.0f;
  lastMouse_ = p;
  dragging_ = true;
  if (hitCode_ == HitCode::kOutside) {
    const ViewRect& d = layout_.image;
    const ViewPoint anchor{std::clamp(p.x, d.left, d.right), std::clamp(p.y, d.top, d.bottom)};
    p1_ = anchor;
    p2_ = anchor;
  }
  return {true, cursorForHitCode(hitCode_)};
}

ViewResponse ImageViewModel::dragStep(ViewPoint p) {
  moved_ = true;
  const DragFrame f = dragFrame();
  if (hitCode_ == HitCode::kOutside) {
    const NewSelectionStep step = dragNewSelection(f, p1_, p);
    host_.setCrop(step.crop);
    host_.showCrop();
    p2_ = step.corner;
    return {true, std::nullopt};
  }
  if (hitCode_ == HitCode::kInside) {
    const int dx = p.x - lastMouse_.x;
    const int dy = p.y - lastMouse_.y;
    lastMouse_ = p;
    const std::optional<Corners> moved = moveSelection(f, {p1_, p2_}, dx, dy);
    if (!moved) return {};
    p1_ = moved->p1;
    p2_ = moved->p2;
    const CropRect placed = cropFromCorners(f, *moved);
    CropRect crop = host_.crop();
    crop.x = placed.x;
    crop.y = placed.y;
    // After keyboard steps the size is exact in image pixels; a move keeps it.
    if (!keyControll_) {
      crop.width = placed.width;
      crop.height = placed.height;
    }
    host_.setCrop(crop);
    host_.showCrop();
    return {true, std::nullopt};
  }
  keyControll_ = false;
  sizeChanged_ = true;
  const Corners resized = resizeSelection(f, hitCode_, {p1_, p2_}, p, lastMouse_);
  lastMouse_ = p;
  p1_ = resized.p1;
  p2_ = resized.p2;
  host_.setCrop(cropFromCorners(f, resized));
  host_.showCrop();
  return {true, std::nullopt};
}

ViewResponse ImageViewModel::leftButtonUp(ViewPoint) {
  const bool wasDragging = dragging_;
  dragging_ = false;
  if (pickMode_) return {false, CursorShape::kPick};
  // The release of a press that was ignored (no source image) is ignored too.
  if (!wasDragging) return {};
  ViewResponse response;
  if (moved_) {
    wholeSelect_ = false;
    setCorners({{std::min(p1_.x, p2_.x), std::min(p1_.y, p2_.y)},
                {std::max(p1_.x, p2_.x), std::max(p1_.y, p2_.y)}});
    const DragFrame f = dragFrame();
    const CropRect fromCorners = cropFromCorners(f, {p1_, p2_});
    CropRect crop = host_.crop();
    crop.x = fromCorners.x;
    crop.y = fromCorners.y;
    if (sizeChanged_) {
      crop.width = fromCorners.width;
      crop.height = fromCorners.height;
      sizeChanged_ = false;
    }
    const float r = ratio_;
    if (crop.width < 1) {
      crop.width = r > 0 ? std::max(1, truncToInt(static_cast<float>(crop.height) / r)) : 1;
    }
    if (crop.height < 1) {
      crop.height = r > 0 ? std::max(1, truncToInt(r * static_cast<float>(crop.width))) : 1;
    }
    cropCopy_ = crop;
    host_.setCrop(crop);
    host_.showCrop();
    if (crop.width > 0 && crop.height > 0 && host_.imageSeen()) {
      host_.applyManualRectangle();
      host_.refreshPanel();
      response.repaint = true;
    }
  } else if (hitCode_ == HitCode::kOutside) {
    selection_ = ViewRect{};
    response.repaint = true;
  }
  moved_ = false;
  return response;
}

ViewResponse ImageViewModel::pick(ViewPoint p) {
  if (!host_.chosenFileExists()) {
    host_.reportChosenFileMissing();
    return {};
  }
  const ViewResponse response{false, CursorShape::kPick};
  const std::optional<PickedPixel> picked =
      pickedPixel(layout_.image, imageWidth_, imageHeight_, p);
  // The source view always shows the pipeline's source; should the two ever
  // differ in size, a position computed for one is no position in the other.
  const SourceSize source = host_.sourceSize();
  if (!picked || source.width != imageWidth_ || source.height != imageHeight_) return response;
  host_.colourPicked(picked->column, picked->bufferRow);
  return response;
}

ViewResponse ImageViewModel::rightButtonDown(ViewPoint) {
  if (!canEdit() || pickMode_) return {};
  if (!wholeSelect_) {
    savedCorners_ = {p1_, p2_};
    savedCrop_ = host_.crop();
    hasSaved_ = true;
    setCorners({layout_.image.topLeft(), layout_.image.bottomRight()});
    host_.setCrop({0, 0, imageWidth_, imageHeight_});
    wholeSelect_ = true;
  } else {
    // WholeSelect can come from the profile with nothing saved in this run:
    // then the whole image stays selected and only the flag goes off.
    if (hasSaved_) {
      setCorners(savedCorners_);
      host_.setCrop(savedCrop_);
    }
    wholeSelect_ = false;
  }
  host_.showCrop();
  host_.applyManualRectangle();
  return {true, std::nullopt};
}

}  // namespace trimlet

// ImageViewModel: the keys A, W, D, S (the pane turns the arrow keys into
// them), one image pixel per press, with Shift changing the size.
#include "engine/settings/crop_settings.h"
#include "preview/model/image_view_model.h"
#include "preview/model/selection_keys.h"

namespace trimlet {

ViewResponse ImageViewModel::keyDown(ViewKey key, bool shift) {
  if (!canEdit() || pickMode_) return {};
  const ViewRect& d = layout_.image;
  const double s = scale().s;
  const CropRect before = host_.crop();
  std::optional<CropRect> after = applySelectionKey(
      before, key, shift, cornersFromCrop(before, d, s), d, imageWidth_, imageHeight_);
  if (!after) return {};
  keyControll_ = true;
  CropRect crop = *after;
  if (host_.fixedRatio()) {
    crop = fitToFixedRatio(crop, host_.fixedRatioWidth(), host_.fixedRatioHeight(), imageWidth_,
                           imageHeight_);
  }
  Corners c = cornersFromCrop(crop, d, s);
  // A selection that reaches the image's edge ends exactly on D's edge (the
  // ratio fit may even leave it one pixel beyond).
  if (int64_t(crop.x) + crop.width >= imageWidth_) c.p2.x = d.right;
  if (int64_t(crop.y) + crop.height >= imageHeight_) c.p2.y = d.bottom;
  setCorners(c);
  cropCopy_ = crop;
  host_.setCrop(crop);
  host_.showCrop();
  host_.applyManualRectangle();
  return {true, std::nullopt};
}

}  // namespace trimlet

// ImageViewModel: image, layout, modes, placement and what to draw. The mouse
// handlers are in image_view_mouse.cpp, the keys in image_view_keys.cpp.
#include "preview/model/image_view_model.h"

#include "preview/model/selection_keys.h"

namespace trimlet {

ImageViewModel::ImageViewModel(ImageViewHost& host, bool hideSelection)
    : host_(host), hideSelection_(hideSelection) {}

bool ImageViewModel::setImage(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  imageWidth_ = width;
  imageHeight_ = height;
  layout_ = layoutImage(clientWidth_, clientHeight_, imageWidth_, imageHeight_);
  hasImage_ = true;
  return true;
}

ViewResponse ImageViewModel::resize(int clientWidth, int clientHeight) {
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  layout_ = layoutImage(clientWidth_, clientHeight_, imageWidth_, imageHeight_);
  // Without an image there is no D to place the selection in.
  if (!hideSelection_ && host_.firstFolderShown() && !layout_.image.isEmpty()) {
    setCorners(cornersFromCropInside(host_.crop(), layout_.image, scale().s));
  }
  return {true, std::nullopt};
}

bool ImageViewModel::setPickMode(int mode) {
  if (mode != 0 && mode != 1) return false;
  pickMode_ = mode == 1;
  return true;
}

void ImageViewModel::restoreFlags(bool keyControll, bool wholeSelect) {
  keyControll_ = keyControll;
  wholeSelect_ = wholeSelect;
}

ViewResponse ImageViewModel::setSelectionFromCrop(int x, int y, int width, int height) {
  setCorners(cornersFromCrop({x, y, width, height}, layout_.image, scale().s));
  return {true, std::nullopt};
}

ViewResponse ImageViewModel::fitSelectionSize(int width, int height) {
  if (!hasImage_ || imageWidth_ <= 0) return {false, std::nullopt};
  const float s = static_cast<float>(layout_.image.width()) / static_cast<float>(imageWidth_);
  const ViewRect current = ViewRect::spanning(p1_, p2_);
  const ViewPoint corner{current.left, current.top};
  setCorners({corner, ViewPoint{corner.x + static_cast<int>(static_cast<float>(width) * s),
                                corner.y + static_cast<int>(static_cast<float>(height) * s)}});
  return {true, std::nullopt};
}

void ImageViewModel::placeSelection(const ViewRect& rect) {
  selection_ = rect;
  p1_ = rect.topLeft();
  p2_ = rect.bottomRight();
}

SelectionDrawing ImageViewModel::drawing() const {
  SelectionDrawing d;
  d.visible = !pickMode_ && !hideSelection_;
  if (!d.visible) return d;
  d.outline = ViewRect::spanning(p1_, p2_);
  d.handles = selectionHandles(p1_, p2_, layout_.image, host_.imageSeen());
  return d;
}

bool ImageViewModel::canEdit() const {
  return host_.sourceSize().present() && !layout_.image.isEmpty();
}

DragFrame ImageViewModel::dragFrame() const {
  DragFrame f;
  f.d = layout_.image;
  f.k = scale().k;
  f.r = ratio_;
  f.imageWidth = imageWidth_;
  f.imageHeight = imageHeight_;
  return f;
}

void ImageViewModel::setCorners(const Corners& c) {
  p1_ = c.p1;
  p2_ = c.p2;
  selection_ = ViewRect::spanning(c.p1, c.p2);
}

}  // namespace trimlet

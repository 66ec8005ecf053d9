#pragma once
// ImageViewModel: everything the image view control knows and decides,
// without a window. The widget feeds it the client size, the image size and
// the mouse and key events, and paints what it reports; the rest of the
// program is reached through ImageViewHost.
//
// Coordinates are control pixels (client area, origin top-left); the crop
// values are image pixels from the picture's top-left. The selection S is
// kept normalized; the working corners P1, P2 are not during a drag, where P1
// is the fixed corner. A press, a drag, a key or a right click does nothing
// while the pipeline holds no source image or D is empty. In pick mode the
// selection is neither drawn nor edited.

#include <optional>
#include <vector>

#include "engine/settings/crop_settings.h"
#include "preview/model/hit_test.h"
#include "preview/model/image_view_host.h"
#include "preview/model/selection_drag.h"
#include "preview/model/selection_handles.h"
#include "preview/model/view_geometry.h"
#include "preview/model/view_key.h"

namespace trimlet {

// What the widget does after an event.
struct ViewResponse {
  bool repaint = false;
  std::optional<CursorShape> cursor;  // set: show this cursor now
};

// What to paint over the image.
struct SelectionDrawing {
  bool visible = false;  // neither pick mode nor a view that hides its selection
  ViewRect outline;      // dotted outline along the normalized P1, P2
  std::vector<Handle> handles;
};

class ImageViewModel {
 public:
  ImageViewModel(ImageViewHost& host, bool hideSelection);

  // --- Image and layout -----------------------------------------------
  // A new image of width x height pixels is shown: it is laid out at once.
  // Sizes below 1 are refused (false) and change nothing.
  bool setImage(int width, int height);
  // The view shows only its grey background until the next image.
  void clearView() { hasImage_ = false; }
  // The control's client area changed: lay out again, and place the
  // selection from the panel's values once the pane has shown its first
  // folder (unless this view hides its selection).
  ViewResponse resize(int clientWidth, int clientHeight);

  bool hasImage() const { return hasImage_; }
  int imageWidth() const { return imageWidth_; }
  int imageHeight() const { return imageHeight_; }
  const ImageLayout& layout() const { return layout_; }
  const ViewRect& imageRect() const { return layout_.image; }
  ScaleFactors scale() const { return scaleFactors(imageWidth_, imageHeight_, layout_.image); }
  // trunc(100 * Dw / w), 0 without an image.
  int displayScale() const { return trimlet::displayScale(layout_.image.width(), imageWidth_); }

  // --- Modes and persistent flags ---------------------------------------
  // 1 picks the crop colour, 0 edits the selection; other values are ignored
  // (false).
  bool setPickMode(int mode);
  bool pickMode() const { return pickMode_; }
  bool hideSelection() const { return hideSelection_; }
  // KeyControll and WholeSelect as read from the profile at creation.
  void restoreFlags(bool keyControll, bool wholeSelect);
  bool keyControll() const { return keyControll_; }
  bool wholeSelect() const { return wholeSelect_; }

  // --- Input ------------------------------------------------------------
  // With the left button down a drag step; otherwise the hit test (or the
  // pick cursor in pick mode).
  ViewResponse mouseMove(ViewPoint p);
  ViewResponse leftButtonDown(ViewPoint p);
  ViewResponse leftButtonUp(ViewPoint p);
  // Toggles the selection of the whole image.
  ViewResponse rightButtonDown(ViewPoint p);
  // A, W, D, S with or without Shift; other keys change nothing.
  ViewResponse keyDown(ViewKey key, bool shift);

  // The panel's X, Y, width and height edits place the selection.
  ViewResponse setSelectionFromCrop(int x, int y, int width, int height);
  // After the panel fitted the rectangle to its ratio: the selection keeps
  // its top-left corner and takes width trunc(width x s) and height
  // trunc(height x s) on screen, s = displayed image width / image width (a
  // float). Nothing without an image.
  ViewResponse fitSelectionSize(int width, int height);
  // Selection and corners both set to `rect` (the file list, for a new image).
  void placeSelection(const ViewRect& rect);

  // --- State ------------------------------------------------------------
  SelectionDrawing drawing() const;
  const ViewRect& selection() const { return selection_; }
  Corners corners() const { return {p1_, p2_}; }
  // The crop values this view last set from a key or a released drag.
  const CropRect& cropCopy() const { return cropCopy_; }
  HitCode hitCode() const { return hitCode_; }
  bool dragging() const { return dragging_; }
  bool moved() const { return moved_; }
  bool sizeChanged() const { return sizeChanged_; }
  float ratio() const { return ratio_; }
  ViewPoint lastMousePoint() const { return lastMouse_; }

 private:
  bool canEdit() const;
  DragFrame dragFrame() const;
  ViewResponse dragStep(ViewPoint p);
  ViewResponse pick(ViewPoint p);
  void setCorners(const Corners& c);

  ImageViewHost& host_;
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  ImageLayout layout_;
  CropRect cropCopy_;
  bool hasImage_ = false;
  bool pickMode_ = false;
  bool dragging_ = false;
  bool moved_ = false;
  bool keyControll_ = false;
  bool sizeChanged_ = false;
  bool wholeSelect_ = false;
  float ratio_ = 0.0f;
  ViewRect selection_;
  ViewPoint p1_;
  ViewPoint p2_;
  ViewPoint lastMouse_;
  Corners savedCorners_;
  CropRect savedCrop_;
  bool hasSaved_ = false;  // a right click stored corners and crop to go back to
  HitCode hitCode_ = HitCode::kOutside;
  bool hideSelection_ = false;
};

}  // namespace trimlet

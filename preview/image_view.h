#pragma once
// CImageView: a control that shows an image fitted into its area on grey and,
// on the preview's source view, carries the selection rectangle that the user
// draws, moves and resizes with the mouse and the keys A, W, D, S (or, in pick
// mode, picks the crop colour from the picture).
//
// All state and every decision are ImageViewModel's; this widget feeds it the
// client size, the image size and the input, and paints what it reports.
//
//   SetImage(w, h, pixels, bpp)  copy an ImageBuffer's pixels (3 or 4 bytes,
//                         rows bottom-up, red first) into display rows, once
//                         per image, and show them; a refusal (fewer than 3
//                         bytes, no memory) keeps what was shown
//   ClearView()           grey only until the next image
//   SetPickMode(0 or 1)   1 picks the crop colour; other values are ignored
//   SetSelectionFromCrop  the panel's X, Y, width and height place the
//                         selection
//
// Persistence: KeyControll and WholeSelect are read from the store's
// "Controls" section when the view is created and written back when it is
// destroyed (a null store: defaults, nothing written).
//
// The view can take the mouse itself, but in the preview it lets the mouse
// fall through to the pane, which forwards it to the *At functions below.

#include <QCursor>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "engine/settings/profile_store.h"
#include "preview/model/display_rows.h"
#include "preview/model/image_view_model.h"

namespace trimlet {

class CImageView : public QWidget {
 public:
  CImageView(ImageViewHost& host, bool hideSelection, ProfileStore* store, QWidget* parent);
  ~CImageView() override;

  bool SetImage(int width, int height, const uint8_t* pixels, int bytesPerPixel);
  void ClearView();
  bool SetPickMode(int mode);
  void SetSelectionFromCrop(int x, int y, int width, int height);

  ImageViewModel& model() { return model_; }
  const ImageViewModel& model() const { return model_; }
  // Lays out again for the current size, as after a resize.
  void relayout();
  // Lays out when the size changed since the last layout (a hidden widget
  // gets its resize event only when it is shown).
  void ensureLaidOut();
  // While `blank` says so, the view paints only grey (the file list has no
  // chosen file).
  void setBlankWhile(std::function<bool()> blank) { blank_ = std::move(blank); }
  // Outlines drawn over the image, each four corners in image pixels from
  // the picture's top-left (the photos a split found); empty draws none.
  void setOutlines(std::vector<std::array<QPointF, 4>> outlines) {
    outlines_ = std::move(outlines);
    update();
  }
  const std::vector<std::array<QPointF, 4>>& outlines() const { return outlines_; }
  // The widget that shows this view's cursors: the one the mouse is over,
  // which is the pane when the mouse falls through. Default: the view.
  void setCursorTarget(QWidget* target) { cursorTarget_ = target; }

  // Input in control pixels.
  void mouseMoveAt(QPoint p);
  void leftButtonDownAt(QPoint p);
  void leftButtonUpAt(QPoint p);
  void rightButtonDownAt(QPoint p);
  void keyDown(ViewKey key, bool shift);

  // The display rows as painted (first line: the picture's bottom row).
  const QImage& displayRows() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void respond(const ViewResponse& response);
  QCursor cursorFor(CursorShape shape) const;

  ImageViewModel model_;
  ProfileStore* store_;
  DisplayRows rows_;
  QImage image_;
  std::function<bool()> blank_;
  QWidget* cursorTarget_;
  QCursor pickCursor_;
  QSize laidOutSize_;
  std::vector<std::array<QPointF, 4>> outlines_;
};

}  // namespace trimlet

#pragma once
// CCropPicture: the manual cropping window's picture with a plain rubber
// band. The image is drawn where cutPlace (manual_crop_image.h) puts it in
// the control, so that what the band covers is what is cut out.
//
//   SetImage(image, alpha)  show an ImageBuffer (3 or 4 bytes a pixel, rows
//                     bottom-up); without `alpha` a fourth byte is not shown.
//   GetSelection()    the band S, normalized, in control pixels (empty if none).
//   ClearSelection()  no band.
//   RedrawBand()      draw the band again over a new picture.
// A press outside the band starts a new one (the corner follows the mouse,
// kept inside the control's inner rectangle); inside it moves the band while
// it stays inside; on an edge or a corner it moves those edges. A release
// after a move sets S from the corners; a click without a move empties it.

#include <QImage>
#include <QWidget>

#include "engine/image/image_buffer.h"
#include "manualcrop/model/manual_crop_image.h"
#include "preview/model/hit_test.h"

namespace trimlet {

class CCropPicture : public QWidget {
 public:
  explicit CCropPicture(QWidget* parent);
  void SetImage(const ImageBuffer& image, bool alpha = true);
  PictureRect GetSelection() const { return selection_; }
  void ClearSelection();
  void RedrawBand() { update(); }
  // The image's place in the control (for tests and the cut-out).
  CutPlace place() const { return cutPlace(imageWidth_, imageHeight_, width(), height()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint clampedInside(QPoint p) const;
  PictureRect band() const;

  QImage picture_;
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  PictureRect selection_;
  QPoint p1_, p2_;
  QPoint last_;
  HitCode hit_ = HitCode::kOutside;
  bool dragging_ = false;
  bool moved_ = false;
};

}  // namespace trimlet

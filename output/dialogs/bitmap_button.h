#pragma once
// CBitmapButton: a push button that shows a picture and nothing else. The
// picture's key colour becomes the button's face colour (normal) or white
// (disabled, drawn in the disabled style). Held down, the frame is drawn
// pushed and the picture moves one pixel right and down. The focus mark is
// a dotted rectangle inside the frame, inset by a quarter of the smaller side
// when that side is at most 15 pixels, else by 3; none while disabled.

#include <QAbstractButton>
#include <QImage>

namespace trimlet {

class CBitmapButton : public QAbstractButton {
 public:
  explicit CBitmapButton(QWidget* parent);
  // The picture from a resource, shown at width x height, with its key colour.
  void setPicture(const QString& resource, int width, int height, QRgb key);
  QSize sizeHint() const override { return {23, 21}; }
  // The inset of the focus mark for a button of this size.
  static int focusInset(QSize size);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void makePictures();

  QImage source_;
  QSize size_;
  QRgb key_ = 0;
  QPixmap normal_;
  QPixmap disabled_;
};

}  // namespace trimlet

#pragma once
// CTransparentBitmap: a control that draws one picture at its top-left
// corner, at the picture's own size, leaving out the pixels of a key colour
// so that the background behind the control shows through them. With no
// picture set it draws nothing.
//
// The key colour is made transparent once, when the picture is set;
// painting only copies.

#include <QPixmap>
#include <QWidget>

namespace trimlet {

class CTransparentBitmap : public QWidget {
 public:
  explicit CTransparentBitmap(QWidget* parent);

  // The picture and its key colour, packed red-low (0x00BBGGRR). A null
  // image removes the picture.
  void SetPicture(const QImage& picture, unsigned keyColour);
  bool hasPicture() const { return !picture_.isNull(); }
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace trimlet

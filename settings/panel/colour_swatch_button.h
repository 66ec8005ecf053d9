#pragma once
// CColorButton: a push button that shows one colour. Inside its rectangle it
// draws a bevel of three pens (black 1 pixel, grey 0x808080 1 pixel, white 2
// pixels) and a swatch: the rectangle shrunk by 4 pixels on every side,
// filled with the colour and outlined in black (grey while disabled).
//
//   pressed look (down and focused): black along the top and left at the
//     edge, grey along the top and left one pixel in, white along the right
//     and bottom two pixels in;
//   normal look: white along the top and left one pixel in, grey along the
//     right and bottom two pixels in, black along the right and bottom one
//     pixel in.

#include <QAbstractButton>

#include "engine/image/color.h"

namespace trimlet {

class CColorButton : public QAbstractButton {
 public:
  explicit CColorButton(QWidget* parent);
  void setColour(const Rgb& colour);
  Rgb colour() const { return colour_; }
  QSize sizeHint() const override { return {28, 20}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Rgb colour_{255, 255, 255};
};

}  // namespace trimlet

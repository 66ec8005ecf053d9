#include "settings/panel/colour_swatch_button.h"

#include <QPainter>

namespace trimlet {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kWhite(255, 255, 255);

// A line of `width` pixels from (x1, y1) to (x2, y2), both ends included.
void line(QPainter& p, const QColor& colour, int width, int x1, int y1, int x2, int y2) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(x1, y1, x2, y2);
}

}  // namespace

CColorButton::CColorButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(sizeHint());
}

void CColorButton::setColour(const Rgb& colour) {
  colour_ = colour;
  update();
}

void CColorButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int r = width() - 1;
  const int b = height() - 1;
  p.fillRect(rect(), palette().button());
  if (isDown() && hasFocus()) {
    line(p, kBlack, 1, 0, 0, r, 0);
    line(p, kBlack, 1, 0, 0, 0, b);
    line(p, kGrey, 1, 1, 1, r - 1, 1);
    line(p, kGrey, 1, 1, 1, 1, b - 1);
    line(p, kWhite, 2, r - 1, 2, r - 1, b - 1);
    line(p, kWhite, 2, 2, b - 1, r - 1, b - 1);
  } else {
    line(p, kWhite, 1, 1, 1, r - 1, 1);
    line(p, kWhite, 1, 1, 1, 1, b - 1);
    line(p, kGrey, 1, r - 1, 1, r - 1, b - 1);
    line(p, kGrey, 1, 1, b - 1, r - 1, b - 1);
    line(p, kBlack, 1, r, 0, r, b);
    line(p, kBlack, 1, 0, b, r, b);
  }
  const QRect swatch = rect().adjusted(4, 4, -4, -4);
  p.fillRect(swatch, QColor(colour_.red, colour_.green, colour_.blue));
  p.setPen(isEnabled() ? kBlack : kGrey);
  p.drawRect(swatch.adjusted(0, 0, -1, -1));
  if (hasFocus()) {
    QPen focus(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    p.setPen(focus);
    p.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

}  // namespace trimlet

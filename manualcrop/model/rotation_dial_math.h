#pragma once
// The arithmetic of the rotation dial, without a window. Angles are whole
// degrees clockwise on the screen from 12 o'clock; screen y grows downwards.
//
//   dialGeometry(w, h)  the square the circle is drawn in: the client area
//                       shortened on its longer side (the right edge moves in,
//                       or the bottom edge up); radius = width / 2, the centre
//                       at the middle (integer halves); the needle up.
//   needleEnd(angle)    with theta = angle - 90 degrees (factor 0.017453292)
//                       and length = radius - 0.1, all in single precision:
//                       (trunc(cos theta x length + 0.5 + cx),
//                        trunc(sin theta x length + 0.5 + cy)).
//   dragAngle(dx, dy)   the needle's angle for a mouse at (dx, dy) from the
//                       centre: atan2 in degrees (factor 57.29578), rounded to
//                       the nearest whole degree (halves upwards), minus 270;
//                       between -450 and -90.
//   dialValue(angle)    angle + 360 when that is not negative, else + 720:
//                       after a drag 0..359.

namespace trimlet {

struct DialGeometry {
  int left = 0, top = 0, right = 0, bottom = 0;
  int radius = 0;
  int cx = 0, cy = 0;
};

struct DialPoint {
  int x = 0;
  int y = 0;
  bool operator==(const DialPoint& o) const { return x == o.x && y == o.y; }
};

DialGeometry dialGeometry(int width, int height);
DialPoint needleEnd(int angle, const DialGeometry& dial);
int dragAngle(int dx, int dy);
int dialValue(int angle);

}  // namespace trimlet

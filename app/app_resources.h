#pragma once
// The pictures of the main frame, drawn for this program by
// resources/make_resources.sh and compiled in from resources/app.qrc:
//
//   :/app/toolbar/*.png          toolbar buttons, 16 x 15
//   :/app/cursors/hand_141.png   the hand over a link, 32 x 32, hot spot below
//   :/app/bitmaps/stripe_176.png the about box's stripe, 2 x 16
//   :/app/icons/trimlet_N.png    the program icon, N = 16 ... 256

#include <QCursor>
#include <QIcon>

namespace trimlet {

// Registers the compiled-in resources (they live in a static library, so the
// program must ask for them). Safe to call more than once.
void InitAppResources();

// The hand cursor (resource 141); the pointing finger's tip is the hot spot.
QCursor loadHandCursor();
inline constexpr int kHandHotX = 9;
inline constexpr int kHandHotY = 1;

// The program icon in all its sizes.
QIcon programIcon();

}  // namespace trimlet

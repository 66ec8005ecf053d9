#pragma once
// The preview pane's pictures, drawn for this program by
// resources/make_resources.sh and compiled in from
// resources/preview_pictures.qrc:
//
//   :/preview/arrow_26601.png     the arrow between the views, 20 x 24, on the
//                                 key colour 0, 128, 128
//   :/preview/eyedropper_168.png  the pick cursor, 16 x 16, hot spot (0, 15)

#include <QCursor>
#include <QImage>

namespace trimlet {

// Registers the compiled-in pictures (they live in a static library). Safe to
// call more than once.
void InitPreviewPictures();

// The bitmap resource `id` (26601), or a null image for an unknown id.
QImage loadPreviewBitmap(int id);

// The eyedropper of pick mode (cursor 168).
QCursor loadPickCursor();

}  // namespace trimlet

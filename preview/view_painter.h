#pragma once
// Painting of an image view, apart from the widget so that it can be checked
// on any paint device:
//
//   blank (the file list has no chosen file) or no image: grey only;
//   otherwise the grey margins around D, then the picture copied into D
//   (stretched when D differs from its size, rows and columns dropped or
//   repeated, never blended), then, unless the view is in pick mode or hides
//   its selection, the dotted black outline along the corners and the 5 x 5
//   handles, each pixel of a handle inverted so that it shows on any picture.
//
// `rows` are the view's display rows as an image whose first line is the
// picture's bottom row (the order the pixel buffers keep); painting turns it
// over, it is never converted.

#include <QImage>
#include <QRect>

#include "preview/model/image_view_model.h"

class QPainter;

namespace trimlet {

void paintImageView(QPainter& painter, const QRect& client, const QImage& rows,
                    const ImageViewModel& model, bool blank);

// The outline and the handles alone (used by paintImageView).
void paintSelection(QPainter& painter, const SelectionDrawing& drawing);

}  // namespace trimlet

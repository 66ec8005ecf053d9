// The preview pane's pictures (see preview_pictures.h).
#include "preview/preview_pictures.h"

#include <QPixmap>

#include "preview/preview_ids.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initPreviewPictureResources() { Q_INIT_RESOURCE(preview_pictures); }

namespace trimlet {

void InitPreviewPictures() {
  static const bool done = (initPreviewPictureResources(), true);
  (void)done;
}

QImage loadPreviewBitmap(int id) {
  InitPreviewPictures();
  if (id != preview::kArrowBitmapId) return QImage();
  return QImage(QStringLiteral(":/preview/arrow_26601.png"));
}

QCursor loadPickCursor() {
  InitPreviewPictures();
  const QPixmap picture(QStringLiteral(":/preview/eyedropper_168.png"));
  if (picture.isNull()) return QCursor(Qt::CrossCursor);
  return QCursor(picture, preview::kPickHotX, preview::kPickHotY);
}

}  // namespace trimlet

// The main frame's compiled-in pictures (see app_resources.h).
#include "app/app_resources.h"

#include <QPixmap>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAppQrc() { Q_INIT_RESOURCE(app); }

namespace trimlet {

void InitAppResources() {
  static const bool done = (initAppQrc(), true);
  (void)done;
}

QCursor loadHandCursor() {
  InitAppResources();
  const QPixmap hand(QStringLiteral(":/app/cursors/hand_141.png"));
  if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
  return QCursor(hand, kHandHotX, kHandHotY);
}

QIcon programIcon() {
  InitAppResources();
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/app/icons/trimlet_%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace trimlet

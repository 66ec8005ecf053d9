// The frame's Enter rule (see enter_key_filter.h).
#include "app/enter_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "app/base/kivo_app.h"

namespace trimlet {

EnterKeyFilter::EnterKeyFilter(QWidget* frame) : QObject(frame), frame_(frame) {
  qApp->installEventFilter(this);
}

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (watched != frame_->windowHandle() || QApplication::activePopupWidget() != nullptr) {
    return false;
  }
  if (PreviewPanePort* preview = theApp().PreviewPane) preview->ApplySettings();
  return false;
}

}  // namespace trimlet

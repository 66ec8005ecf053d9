#include "app/base/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace trimlet {

namespace {

MessageHandler& handler() {
  static MessageHandler h;
  return h;
}

bool show(MessageKind kind, const QString& caption, const QString& text) {
  if (handler()) return handler()(kind, caption, text);
  QWidget* owner = QApplication::activeWindow();
  if (kind == MessageKind::kYesNo)
    return QMessageBox::warning(owner, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  if (kind == MessageKind::kOkCancel)
    return QMessageBox::warning(owner, caption, text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
  QMessageBox::warning(owner, caption, text, QMessageBox::Ok);
  return true;
}

}  // namespace

void ShowMessage(const QString& text) { show(MessageKind::kMessage, "Trimlet", text); }
void ShowError(const QString& text) { show(MessageKind::kError, "Error", text); }
bool AskYesNo(const QString& text) { return show(MessageKind::kYesNo, "Trimlet", text); }
bool AskOkCancel(const QString& text) { return show(MessageKind::kOkCancel, "Trimlet", text); }
void SetMessageHandler(MessageHandler h) { handler() = std::move(h); }

}  // namespace trimlet

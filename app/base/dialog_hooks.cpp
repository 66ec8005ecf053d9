#include "app/base/dialog_hooks.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>

namespace trimlet {

namespace {

DialogHandler& handler() {
  static DialogHandler h;
  return h;
}

}  // namespace

int ExecDialog(QDialog& dialog) {
  if (!handler()) return dialog.exec();
  dialog.show();
  const int result = handler()(dialog);
  dialog.hide();
  return result;
}

void SetDialogHandler(DialogHandler h) { handler() = std::move(h); }

bool ChooseColour(QColor& colour) {
  QColorDialog::setCustomColor(0, colour);
  for (int i = 1; i < 16; ++i) QColorDialog::setCustomColor(i, QColor(255, 255, 255));
  QColorDialog dialog(colour, QApplication::activeWindow());
  dialog.setObjectName(QStringLiteral("colour dialog"));
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (ExecDialog(dialog) != QDialog::Accepted) return false;
  colour = dialog.currentColor();
  return true;
}

}  // namespace trimlet

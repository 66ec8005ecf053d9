#pragma once
// The program's modal dialogs run through one replaceable function, so that
// tests can answer a real dialog (fill its fields, press its buttons) without
// a person in front of it.
//
//   ExecDialog(dialog)  shows the dialog modally and returns its result
//                       (QDialog::Accepted or Rejected); a test handler gets
//                       the dialog, shown, and returns the result instead.
//   ChooseColour(colour)  the colour dialog: the given colour first, any
//                       colour allowed, its sixteen custom colours the given
//                       colour followed by fifteen whites; true on OK with
//                       the colour chosen.

#include <QColor>

#include <functional>

class QDialog;

namespace trimlet {

using DialogHandler = std::function<int(QDialog& dialog)>;

int ExecDialog(QDialog& dialog);
// Replaces the modal loop (tests); an empty handler restores it.
void SetDialogHandler(DialogHandler handler);

bool ChooseColour(QColor& colour);

}  // namespace trimlet

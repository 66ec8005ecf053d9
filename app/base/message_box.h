#pragma once
// The program's message boxes, through one replaceable function so that the
// tests can record and answer them.
//
//   ShowMessage(text)   caption "Trimlet", OK, exclamation icon.
//   ShowError(text)     caption "Error" (the bitmap reader's failures).
//   AskYesNo(text)      caption "Trimlet", Yes and No, exclamation icon.
//   AskOkCancel(text)   caption "Trimlet", OK and Cancel, exclamation icon.

#include <QString>

#include <functional>

namespace trimlet {

enum class MessageKind { kMessage, kError, kYesNo, kOkCancel };

// Returns true for "Yes" (and for OK).
using MessageHandler =
    std::function<bool(MessageKind kind, const QString& caption, const QString& text)>;

void ShowMessage(const QString& text);
void ShowError(const QString& text);
bool AskYesNo(const QString& text);
bool AskOkCancel(const QString& text);

// Replaces the message boxes (tests); an empty handler restores them.
void SetMessageHandler(MessageHandler handler);

}  // namespace trimlet

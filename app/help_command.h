#pragma once
// The help command: the page "kivo.htm" in the folder "help" under the
// folder the program was started from, opened with the desktop's handler
// for local files.
//
// When the program is installed it is seldom started from a folder holding
// help/kivo.htm; then the installed copy is opened instead: first the one
// beside the program (<program folder>/../share/trimlet/help/kivo.htm), then
// the one under the install prefix the program was built for.

#include <QString>
#include <QStringList>

class QWidget;

namespace trimlet {

// The candidates in the order they are tried.
QStringList helpPageCandidates(const QString& startupFolder, const QString& programFolder);
// The first candidate that exists, or "" when none does.
QString findHelpPage(const QString& startupFolder, const QString& programFolder);

// Opens the help page for the application's StartupFolder. The handler's
// result is ignored; when no help page exists at all the user is told so.
void OpenHelpContents();

// Shown when there is no help page to open.
extern const char* const kHelpMissingMessage;

}  // namespace trimlet

#pragma once
// The window program's command line:
//
//   trimlet [FOLDER]
//
// FOLDER, when given, is the folder the program opens on: it becomes the
// current folder (the one the tree selects and the list shows) and the
// working directory, in place of the folder of the file selected last. A
// relative FOLDER is taken from the working directory. -h/--help and
// -v/--version print and end the program.

#include <QString>
#include <QStringList>

namespace trimlet {

struct CommandLine {
  enum Outcome { kRun, kPrinted, kFailed };
  Outcome outcome = kRun;
  QString folder;  // absolute, without a trailing "/" (except "/"); "" when not given
  QString text;    // what to print: help, version or the reason for the failure
};

CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace trimlet

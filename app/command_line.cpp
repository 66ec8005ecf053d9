// The window program's command line (see command_line.h).
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace trimlet {

CommandLine parseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Trimlet crops, rotates and re-frames raster images.\n"
                     "FOLDER is the folder to open; without it Trimlet opens the folder of the "
                     "file selected last."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder to open."),
                               QStringLiteral("[FOLDER]"));

  CommandLine line;
  if (!parser.parse(arguments)) {
    line.outcome = CommandLine::kFailed;
    line.text = parser.errorText();
    return line;
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    line.outcome = CommandLine::kPrinted;
    line.text = parser.helpText();
    return line;
  }
  if (parser.isSet(version)) {
    line.outcome = CommandLine::kPrinted;
    line.text = QStringLiteral("trimlet 3.1 (build 3014)\n");
    return line;
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    line.outcome = CommandLine::kFailed;
    line.text = QStringLiteral("Only one folder can be opened.");
    return line;
  }
  if (positional.size() == 1) {
    const QFileInfo info(positional.first());
    if (!info.isDir()) {
      line.outcome = CommandLine::kFailed;
      line.text = QStringLiteral("The folder %1 does not exist.").arg(positional.first());
      return line;
    }
    line.folder = QDir::cleanPath(info.absoluteFilePath());
  }
  return line;
}

}  // namespace trimlet

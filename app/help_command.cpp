// The help command (see help_command.h).
#include "app/help_command.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/base/kivo_app.h"
#include "app/base/message_box.h"

#ifndef TRIMLET_INSTALL_DATADIR
#define TRIMLET_INSTALL_DATADIR "/usr/local/share/trimlet"
#endif

namespace trimlet {

const char* const kHelpMissingMessage = "The help file help/kivo.htm could not be found.";

QStringList helpPageCandidates(const QString& startupFolder, const QString& programFolder) {
  QStringList candidates;
  candidates << QDir(startupFolder).filePath(QStringLiteral("help/kivo.htm"));
  if (!programFolder.isEmpty()) {
    candidates << QDir::cleanPath(programFolder +
                                  QStringLiteral("/../share/trimlet/help/kivo.htm"));
  }
  candidates << QStringLiteral(TRIMLET_INSTALL_DATADIR "/help/kivo.htm");
  return candidates;
}

QString findHelpPage(const QString& startupFolder, const QString& programFolder) {
  for (const QString& path : helpPageCandidates(startupFolder, programFolder)) {
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

void OpenHelpContents() {
  const QString page = findHelpPage(theApp().StartupFolder, QCoreApplication::applicationDirPath());
  if (page.isEmpty()) {
    ShowMessage(QString::fromLatin1(kHelpMissingMessage));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

}  // namespace trimlet

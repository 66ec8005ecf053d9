// The start and the end of the window program (see kivo_program.h).
#include "app/kivo_program.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <cstdio>

#include "app/app_resources.h"
#include "app/base/kivo_app.h"
#include "app/language_id.h"
#include "app/main_frame.h"
#include "app/window_placement.h"
#include "engine/settings/settings_keys.h"
#include "settings/store/qsettings_profile_store.h"

namespace trimlet {

QString folderOfPath(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? QString() : path.left(slash + 1);
}

QString withTrailingSlash(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

KivoProgram::KivoProgram() : panes_(defaultPaneMakers()) {}

KivoProgram::KivoProgram(ProfileStore* store, PaneMakers panes)
    : store_(store), panes_(std::move(panes)) {}

KivoProgram::~KivoProgram() {
  frame_.reset();
  CKivoApp& app = theApp();
  if (app.Store == store_) app.Store = nullptr;
  if (auto* settings = dynamic_cast<QSettingsProfileStore*>(ownStore_.get())) {
    const Status written = settings->flush();
    if (!written.ok()) std::fprintf(stderr, "trimlet: %s\n", written.reason().c_str());
  }
}

bool KivoProgram::InitInstance(const QStringList& arguments) {
  commandLine_ = parseCommandLine(arguments);
  if (commandLine_.outcome != CommandLine::kRun) return false;

  CKivoApp& app = theApp();
  app.StartupFolder = QDir::currentPath();

  if (store_ == nullptr) {
    ownStore_ = std::make_unique<QSettingsProfileStore>();
    store_ = ownStore_.get();
  }
  app.Store = store_;

  const std::string lastFile = store_->readString(keys::kLastSelectedFile, keys::kFilePath, "");
  app.CurrentFolder = folderOfPath(QString::fromStdString(lastFile));
  if (!commandLine_.folder.isEmpty()) app.CurrentFolder = withTrailingSlash(commandLine_.folder);

  if (app.CurrentFolder.isEmpty() || !QDir::setCurrent(app.CurrentFolder)) {
    app.CurrentFolder = withTrailingSlash(QDir::currentPath());
  }

  const quint16 language = languageIdFor(QLocale::system());
  app.SystemLangId[0] = language;
  app.SystemLangId[1] = language;

  InitAppResources();
  QGuiApplication::setWindowIcon(programIcon());
  frame_ = std::make_unique<CMainFrame>(panes_);
  frame_->InitialUpdateFrame();
  // A folder named on the command line is not the folder of the file chosen
  // last: that file is not chosen again there (the list would look for it in
  // the wrong folder). It stays remembered for the next start.
  if (!commandLine_.folder.isEmpty() && app.ListPane != nullptr &&
      app.CurrentFolder != folderOfPath(QString::fromStdString(lastFile))) {
    app.ListPane->SetSelectedName(QString());
  }

  const QString selected = app.ListPane != nullptr ? app.ListPane->SelectedName() : QString();
  frame_->SetTitle(selected.isEmpty() ? QStringLiteral("Trimlet")
                                      : QStringLiteral("Trimlet - ") + selected);

  const WindowInfo info = readWindowInfo(*store_);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->size() : QSize();
  if (startMaximized(info, screenSize)) {
    frame_->showMaximized();
  } else {
    frame_->show();
  }

  frame_->repaint();
  if (app.LeftPane != nullptr) app.LeftPane->SelectCurrentFolder();
  return true;
}

}  // namespace trimlet

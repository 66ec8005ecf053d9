#pragma once
// The start and the end of the window program: the application's
// InitInstance, and the shutdown when the program object goes.
//
// InitInstance, in this order:
//   1. the command line (command_line.h); a bad one ends the program before
//      anything is read or written;
//   2. StartupFolder = the working directory;
//   3. the profile store: QSettings, organisation "Local AppWizard-Generated
//      Applications", application "Kivo" (or the store given);
//   4. CurrentFolder = the folder of "Last Selected File"/"File Path" (up to
//      and including its last "/"), or FOLDER from the command line;
//   5. when empty, the working directory; otherwise it becomes the working
//      directory, and when that fails (the folder is gone) the working
//      directory becomes CurrentFolder instead; CurrentFolder always ends
//      with "/";
//   6. SystemLangId from the locale (language_id.h);
//   7. the frame with its panes, then the panes' first updates; with a FOLDER
//      other than that of the last file, the list does not choose that file;
//   8. the title: "Trimlet - " + the list's selected name, or "Trimlet";
//   9. shown maximised or not by window_placement.h's startMaximized;
//  10. repainted at once, then the tree selects CurrentFolder.
//
// The end: the frame is destroyed ("Window Info", then each pane's own
// values), then the store is written to its file.

#include <QString>
#include <QStringList>
#include <memory>

#include "app/command_line.h"
#include "app/frame_panes.h"
#include "engine/settings/profile_store.h"

namespace trimlet {

class CMainFrame;

class KivoProgram {
 public:
  // The program's own store and panes.
  KivoProgram();
  // A given store (kept by the caller, outliving the program) and panes.
  KivoProgram(ProfileStore* store, PaneMakers panes);
  ~KivoProgram();
  KivoProgram(const KivoProgram&) = delete;
  KivoProgram& operator=(const KivoProgram&) = delete;

  // False when the program is not to run: the command line printed help or
  // failed (commandLine() says which, and what to print).
  bool InitInstance(const QStringList& arguments);

  const CommandLine& commandLine() const { return commandLine_; }
  CMainFrame* frame() const { return frame_.get(); }

 private:
  std::unique_ptr<ProfileStore> ownStore_;
  ProfileStore* store_ = nullptr;
  PaneMakers panes_;
  CommandLine commandLine_;
  std::unique_ptr<CMainFrame> frame_;
};

// The folder of a stored file path: up to and including its last "/"; "" for
// a path without one.
QString folderOfPath(const QString& path);
// A folder with exactly one trailing "/".
QString withTrailingSlash(const QString& folder);

}  // namespace trimlet

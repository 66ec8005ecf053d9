#pragma once
// CMainFrame: the program's one window. A menu bar, a toolbar, a status bar
// of eight panes, and two splitters holding the four panes: the folder tree
// on the left; the file list, the settings panel and the preview stacked on
// the right.
//
// Construction (before the window is shown):
//   1. stores itself as the application's MainFrame and reads "Window Info"/
//      "ViewMode" (default 0);
//   2. takes its rectangle from "Window Info" (window_placement.h);
//   3. builds the panes in the order tree, list, settings, preview inside the
//      splitters, with their first sizes from the frame's size;
//   4. builds the toolbar, the menu and the accelerators, then the status bar.
// InitialUpdateFrame() then runs the panes' first updates.
//
// Commands: the four view modes set ViewMode, mark their check and pass the
// mode to the list through the preview pane; parent folder goes to the
// preview pane; Contents opens the help page; About shows CAboutDlg; Exit
// closes the frame. Save Image, Batch Process and Manual crop arrive with
// later work and stay disabled.
//
// Destruction writes "Window Info" (the normal rectangle, "Maximized",
// "ViewMode") first; then the panes go, the preview first (it still reads
// the settings panel while it saves), then the settings, the list and the
// tree, each writing its own values, each slot of the application cleared.

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/base/kivo_app.h"
#include "app/frame_panes.h"
#include "app/status_panes.h"

class QAction;
class QLabel;
class QSplitter;
class QToolBar;

namespace trimlet {

class FrameCommands;

class CMainFrame : public QMainWindow, public MainFramePort {
 public:
  explicit CMainFrame(const PaneMakers& panes = defaultPaneMakers());
  ~CMainFrame() override;

  // MainFramePort.
  ViewMode GetViewMode() const override { return viewMode_; }
  void SetStatusValues(int sourceWidth, int sourceHeight, int resultWidth, int resultHeight,
                       int sourceScale, int resultScale) override;
  void SetTitle(const QString& title) override;
  void EnableManualCrop(bool on) override;

  // The panes' first updates, in the order tree, list, settings, preview.
  void InitialUpdateFrame();

  // The command with this id (its QAction), or nullptr.
  QAction* action(int id) const;
  QToolBar* toolBar() const;
  const StatusValues& statusValues() const { return status_; }
  // A status pane by id (0: the message pane).
  QLabel* statusPane(int id) const;
  QSplitter* outerSplitter() const { return outer_; }
  QSplitter* innerSplitter() const { return inner_; }

  // The view commands' work: ViewMode, the check marks, the list's mode.
  void OnViewMode(ViewMode mode);

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void noteNormalRect();
  void buildPanes(const PaneMakers& panes, const QSize& size);
  void connectCommands();
  void OnAppAbout();
  void SaveWindowState();

  ViewMode viewMode_ = ViewMode::kLargeIcon;
  StatusValues status_;
  QRect normalRect_;  // the last rectangle seen in the normal state
  QSplitter* outer_ = nullptr;
  QSplitter* inner_ = nullptr;
  QPointer<QWidget> tree_;
  QPointer<QWidget> list_;
  QPointer<QWidget> settings_;
  QPointer<QWidget> preview_;
  std::unique_ptr<FrameCommands> commands_;
  std::unique_ptr<StatusPanes> statusPanes_;
};

}  // namespace trimlet

#pragma once
// CKivoApp: the application object's state, and the interfaces through
// which the panes and the main frame reach one another.
//
// Every pane stores itself in its slot when it is constructed; panes call one
// another only through these five pointers. The slots hold interfaces, so a
// test can put a fake in any of them.
//
// Folder paths passed between panes always end with "/".

#include <QString>
#include <QtGlobal>

#include "engine/settings/profile_store.h"
#include "pipeline/pipeline_ports.h"

namespace trimlet {

class ImagePipeline;
class ImageViewModel;
struct ViewRect;

// The file list's view, as the frame stores it ("Window Info" / "ViewMode").
enum class ViewMode { kLargeIcon = 0, kSmallIcon = 1, kDetails = 2, kThumbnail = 3 };

// The folder tree pane (CFormLeft).
class FolderTreePort {
 public:
  virtual ~FolderTreePort() = default;
  virtual bool SelectFolder(const QString& path) = 0;
  virtual void SelectAndRefreshFolder(const QString& path) = 0;
  virtual void SelectCurrentFolder() = 0;
  // The pane's first update, once, after the frame has built all four panes
  // and before it is shown (in the order tree, list, settings, preview). A
  // pane that does this work in its constructor keeps the default.
  virtual void InitialUpdate() {}
};

// The file list pane (CFormRUpper).
class FileListPort {
 public:
  virtual ~FileListPort() = default;
  virtual void FillFromFolder(const QString& folder) = 0;
  virtual void SetViewMode(ViewMode mode) = 0;
  virtual QString SelectedName() const = 0;
  virtual void SetSelectedName(const QString& name) = 0;
  virtual QString ListFolder() const = 0;
  virtual bool NoFileChosen() const = 0;
  // Removes every item (the tree selected "My Computer").
  virtual void DeleteAllItems() = 0;
  // The pane's first update, once, after the frame has built all four panes
  // and before it is shown (in the order tree, list, settings, preview). A
  // pane that does this work in its constructor keeps the default.
  virtual void InitialUpdate() {}
};

// The settings panel (CFormRMiddle): the pipeline's SettingsPanelPort plus
// what the other panes ask of it.
class SettingsPanePort : public SettingsPanelPort {
 public:
  // Reads the controls into the fields (the framework's commit).
  virtual void CommitControls() = 0;
  virtual void EnableForCurrentImage() = 0;
  // The mode-dependent controls for auto crop (0) or manual crop (1).
  virtual void EnableForMode(CroppingMode croppingMode) = 0;
  // The pane's first update, once, after the frame has built all four panes
  // and before it is shown (in the order tree, list, settings, preview). A
  // pane that does this work in its constructor keeps the default.
  virtual void InitialUpdate() {}
};

// The preview pane (CFormRLower): owner of the pipeline and the two views.
class PreviewPanePort {
 public:
  virtual ~PreviewPanePort() = default;
  virtual ImagePipeline& Pipeline() = 0;
  virtual ImageViewModel& SourceView() = 0;
  virtual void OpenImage(const QString& name) = 0;
  virtual void FolderChanged(const QString& path) = 0;
  // No image, ImageShown cleared, no current file, title "Trimlet".
  virtual void ClearPreview() = 0;
  virtual void ApplySettings() = 0;
  // The view-mode commands pass through the preview to the list.
  virtual void SetViewMode(ViewMode mode) = 0;
  virtual void ParentFolder() = 0;
  // The Save Image and Batch Process commands.
  virtual void SaveImage() = 0;
  virtual void RunBatch() = 0;
  virtual void OpenManualCrop() = 0;
  // Repaint both views (after a pane changed the source view's selection).
  virtual void RepaintViews() = 0;
  // The pane's first update, once, after the frame has built all four panes
  // and before it is shown (in the order tree, list, settings, preview). A
  // pane that does this work in its constructor keeps the default.
  virtual void InitialUpdate() {}
};

// The main frame (CMainFrame).
class MainFramePort {
 public:
  virtual ~MainFramePort() = default;
  virtual ViewMode GetViewMode() const = 0;
  virtual void SetStatusValues(int sourceWidth, int sourceHeight, int resultWidth, int resultHeight,
                               int sourceScale, int resultScale) = 0;
  virtual void SetTitle(const QString& title) = 0;
  // Manual Crop is offered while an image is shown.
  virtual void EnableManualCrop(bool /*on*/) {}
};

class CKivoApp {
 public:
  QString CurrentFolder;  // the folder the file list shows, ending with "/"
  QString StartupFolder;  // the working directory at launch
  int ListSorting = 0;    // 1 while the file list sorts; item changes are ignored then
  quint16 SystemLangId[2] = {9, 9};

  FolderTreePort* LeftPane = nullptr;
  FileListPort* ListPane = nullptr;
  SettingsPanePort* SettingsPane = nullptr;
  PreviewPanePort* PreviewPane = nullptr;
  MainFramePort* MainFrame = nullptr;

  // The profile store of the program (QSettings in the window program; the
  // tests may put any store here). Never null once the program runs.
  ProfileStore* Store = nullptr;
};

// The one application object.
CKivoApp& theApp();

}  // namespace trimlet

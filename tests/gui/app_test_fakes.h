#pragma once
// Stand-ins for the panes of the main frame, recording what the frame asks
// of them, and a profile store that records the order of its writes. Used by
// the shell's widget tests (main_frame_test.cpp and others).

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <vector>

#include "app/base/kivo_app.h"
#include "app/frame_panes.h"
#include "engine/settings/profile_store.h"
#include "pipeline/image_pipeline.h"
#include "pipeline/stored_settings_panel.h"
#include "preview/model/image_view_model.h"

namespace trimlet::test {

// The first updates of the fake panes, in the order they ran.
inline std::vector<std::string>& initialUpdateLog() {
  static std::vector<std::string> log;
  return log;
}

// An image view host with nothing behind it.
class IdleViewHost : public ImageViewHost {
 public:
  CropRect crop() const override { return crop_; }
  void setCrop(const CropRect& crop) override { crop_ = crop; }
  void showCrop() override {}
  void refreshPanel() override {}
  bool fixedRatio() const override { return false; }
  float fixedRatioWidth() const override { return 1.0f; }
  float fixedRatioHeight() const override { return 1.0f; }
  bool imageSeen() const override { return false; }
  bool firstFolderShown() const override { return false; }
  SourceSize sourceSize() const override { return {}; }
  void applyManualRectangle() override {}
  bool chosenFileExists() const override { return true; }
  void reportChosenFileMissing() override {}
  void colourPicked(int, int) override {}

 private:
  CropRect crop_;
};

// The preview pane: counts the calls the frame forwards. Its only child is a
// line edit, so that a test can give the keyboard focus to something.
class FakePreview : public QWidget, public PreviewPanePort {
 public:
  explicit FakePreview(QWidget* parent)
      : QWidget(parent), pipeline_(panel_, host_, reports_), view_(viewHost_, false) {
    theApp().PreviewPane = this;
    edit = new QLineEdit(this);
    new QVBoxLayout(this);
    layout()->addWidget(edit);
  }
  ~FakePreview() override {
    if (theApp().PreviewPane == this) theApp().PreviewPane = nullptr;
  }
  ImagePipeline& Pipeline() override { return pipeline_; }
  ImageViewModel& SourceView() override { return view_; }
  void OpenImage(const QString& name) override { opened.push_back(name); }
  void FolderChanged(const QString&) override {}
  void ClearPreview() override {}
  void ApplySettings() override { ++applySettings; }
  void SetViewMode(ViewMode mode) override { viewModes.push_back(static_cast<int>(mode)); }
  void ParentFolder() override { ++parentFolder; }
  void SaveImage() override { ++saveImage; }
  void RunBatch() override { ++runBatch; }
  void OpenManualCrop() override { ++manualCrop; }
  void RepaintViews() override {}
  void InitialUpdate() override { initialUpdateLog().push_back("preview"); }

  int applySettings = 0;
  int parentFolder = 0;
  int saveImage = 0;
  int runBatch = 0;
  int manualCrop = 0;
  std::vector<int> viewModes;
  std::vector<QString> opened;
  QLineEdit* edit = nullptr;

 private:
  StoredSettingsPanel panel_;
  PipelineView host_;
  FailureReports reports_;
  ImagePipeline pipeline_;
  IdleViewHost viewHost_;
  ImageViewModel view_;
};

// The file list: holds a selected name and the view mode it was given.
class FakeList : public QLabel, public FileListPort {
 public:
  explicit FakeList(QWidget* parent) : QLabel(parent) { theApp().ListPane = this; }
  ~FakeList() override {
    if (theApp().ListPane == this) theApp().ListPane = nullptr;
  }
  void FillFromFolder(const QString& folder) override { filled.push_back(folder); }
  void SetViewMode(ViewMode mode) override { viewModes.push_back(static_cast<int>(mode)); }
  QString SelectedName() const override { return selected; }
  void SetSelectedName(const QString& name) override { selected = name; }
  QString ListFolder() const override { return QString(); }
  bool NoFileChosen() const override { return selected.isEmpty(); }
  void DeleteAllItems() override {}
  void InitialUpdate() override { initialUpdateLog().push_back("list"); }

  QString selected;
  std::vector<QString> filled;
  std::vector<int> viewModes;
};

// The folder tree: records the folders it is asked to select.
class FakeTree : public QLabel, public FolderTreePort {
 public:
  explicit FakeTree(QWidget* parent) : QLabel(parent) { theApp().LeftPane = this; }
  ~FakeTree() override {
    if (theApp().LeftPane == this) theApp().LeftPane = nullptr;
  }
  bool SelectFolder(const QString& path) override {
    selected.push_back(path);
    return true;
  }
  void SelectAndRefreshFolder(const QString& path) override { selected.push_back(path); }
  void SelectCurrentFolder() override { selected.push_back(theApp().CurrentFolder); }
  void InitialUpdate() override { initialUpdateLog().push_back("tree"); }

  std::vector<QString> selected;
};

// Panes for the frame: a fake tree, list and preview around the given
// settings maker (the real CFormRMiddle by default).
inline PaneMakers fakePaneMakers() {
  PaneMakers makers = defaultPaneMakers();
  makers.tree = [](QWidget* parent) -> QWidget* { return new FakeTree(parent); };
  makers.list = [](QWidget* parent) -> QWidget* { return new FakeList(parent); };
  makers.preview = [](QWidget* parent) -> QWidget* { return new FakePreview(parent); };
  return makers;
}

inline FakePreview* fakePreview() { return dynamic_cast<FakePreview*>(theApp().PreviewPane); }
inline FakeList* fakeList() { return dynamic_cast<FakeList*>(theApp().ListPane); }
inline FakeTree* fakeTree() { return dynamic_cast<FakeTree*>(theApp().LeftPane); }

// A memory store that also logs its writes as "Section/Name" in order.
class WriteLogStore : public MemoryProfileStore {
 public:
  void writeInt(const std::string& section, const std::string& name, int value) override {
    writes.push_back(section + "/" + name);
    MemoryProfileStore::writeInt(section, name, value);
  }
  void writeString(const std::string& section, const std::string& name,
                   const std::string& value) override {
    writes.push_back(section + "/" + name);
    MemoryProfileStore::writeString(section, name, value);
  }
  // Position of the first write to `section`, or -1.
  int firstWriteTo(const std::string& section) const {
    for (size_t i = 0; i < writes.size(); ++i) {
      if (writes[i].rfind(section + "/", 0) == 0) return static_cast<int>(i);
    }
    return -1;
  }
  std::vector<std::string> writes;
};

// Points XDG_CONFIG_HOME at a fresh temporary folder; must run before the
// first use of QSettings in the process.
inline QTemporaryDir& privateConfigHome() {
  static QTemporaryDir dir;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
  return dir;
}

}  // namespace trimlet::test

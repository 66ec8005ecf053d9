#pragma once
// Stand-ins for the panes around the file browser, recording what the tree
// and the list ask of them, and small helpers for the browser's widget
// tests: folders on disk, pictures, the message boxes and the environment.

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "app/base/kivo_app.h"
#include "app/base/message_box.h"
#include "engine/settings/profile_store.h"
#include "imagefile/image_format.h"
#include "pipeline/image_pipeline.h"
#include "preview/model/image_view_model.h"

namespace trimlet::browser_test {

// The settings panel: its fields and a count of each request.
class FakeSettings : public SettingsPanePort {
 public:
  CropSettings values;
  int commits = 0, enables = 0, disables = 0, shows = 0;
  CropSettings& fields() override { return values; }
  GatheredSettings gather() override { return gatherSettings(values); }
  void setInwardCutLimit(int) override {}
  void setImageSeen() override { values.imageSeen = 1; }
  void showFields() override { ++shows; }
  void disableAll() override { ++disables; }
  void CommitControls() override { ++commits; }
  void EnableForCurrentImage() override { ++enables; }
  void EnableForMode(CroppingMode) override {}
};

// The source view's host: the panel's rectangle, nothing else.
class ViewHost : public ImageViewHost {
 public:
  explicit ViewHost(FakeSettings& settings) : settings_(settings) {}
  CropRect crop() const override {
    const CropSettings& v = settings_.values;
    return {v.cropX, v.cropY, v.cropWidth, v.cropHeight};
  }
  void setCrop(const CropRect&) override {}
  void showCrop() override {}
  void refreshPanel() override {}
  bool fixedRatio() const override { return false; }
  float fixedRatioWidth() const override { return 1.0f; }
  float fixedRatioHeight() const override { return 1.0f; }
  bool imageSeen() const override { return true; }
  bool firstFolderShown() const override { return false; }
  SourceSize sourceSize() const override { return {}; }
  void applyManualRectangle() override {}
  bool chosenFileExists() const override { return true; }
  void reportChosenFileMissing() override {}
  void colourPicked(int, int) override {}

 private:
  FakeSettings& settings_;
};

// The pipeline's host: a shown source lays out the source view, which
// stands for a control of 402 x 302 pixels (an inner area of 400 x 300).
class PipelineHostForView : public PipelineView, public FailureReports {
 public:
  explicit PipelineHostForView(ImageViewModel& view) : view_(view) {}
  void showSource(const ImageBuffer& image) override {
    view_.setImage(image.width(), image.height());
  }
  void clearViews() override { view_.clearView(); }

 private:
  ImageViewModel& view_;
};

// The preview pane with a real pipeline and source view model. FolderChanged
// does what the real pane does for the browser: clear, remember the folder,
// fill the list.
class FakePreview : public PreviewPanePort {
 public:
  explicit FakePreview(FakeSettings& settings)
      : viewHost_(settings),
        view_(viewHost_, false),
        host_(view_),
        pipeline_(settings, host_, host_) {
    view_.resize(402, 302);
  }
  ImagePipeline& Pipeline() override { return pipeline_; }
  ImageViewModel& SourceView() override { return view_; }
  void OpenImage(const QString& name) override {
    opened << name;
    pipeline_.OpenImage(name.toStdString());
  }
  void FolderChanged(const QString& path) override {
    folders << path;
    pipeline_.clearPreview();
    pipeline_.setCurrentFolder(path.toStdString());
    if (theApp().ListPane) theApp().ListPane->FillFromFolder(path);
  }
  void ClearPreview() override {
    ++clears;
    pipeline_.clearPreview();
  }
  void ApplySettings() override {}
  void SetViewMode(ViewMode) override {}
  void ParentFolder() override {}
  void SaveImage() override {}
  void RunBatch() override {}
  void OpenManualCrop() override {}
  void RepaintViews() override { ++repaints; }

  QStringList opened;
  QStringList folders;
  int clears = 0;
  int repaints = 0;

 private:
  ViewHost viewHost_;
  ImageViewModel view_;
  PipelineHostForView host_;
  ImagePipeline pipeline_;
};

class FakeFrame : public MainFramePort {
 public:
  int viewMode = 0;
  ViewMode GetViewMode() const override { return static_cast<ViewMode>(viewMode); }
  void SetStatusValues(int, int, int, int, int, int) override {}
  void SetTitle(const QString&) override {}
};

// The panes and the store in theApp() for one test; the message boxes
// recorded instead of shown. The browser's own panes put themselves in.
class AppFixture {
 public:
  FakeSettings settings;
  FakePreview preview{settings};
  FakeFrame frame;
  MemoryProfileStore store;
  QStringList messages;

  AppFixture() {
    CKivoApp& app = theApp();
    app.SettingsPane = &settings;
    app.PreviewPane = &preview;
    app.MainFrame = &frame;
    app.Store = &store;
    app.CurrentFolder.clear();
    app.ListSorting = 0;
    SetMessageHandler([this](MessageKind, const QString& caption, const QString& text) {
      messages << caption + ": " + text;
      return true;
    });
  }
  ~AppFixture() {
    CKivoApp& app = theApp();
    app.SettingsPane = nullptr;
    app.PreviewPane = nullptr;
    app.MainFrame = nullptr;
    app.Store = nullptr;
    SetMessageHandler({});
  }
  AppFixture(const AppFixture&) = delete;
  AppFixture& operator=(const AppFixture&) = delete;
};

// Settings and the desktop folder under a temporary folder, before any test
// asks for them: XDG_CONFIG_HOME there, and a user-dirs file naming its
// "Desktop" folder as the desktop.
inline QString useTemporaryEnvironment(const QTemporaryDir& dir) {
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + "/config"));
  QDir().mkpath(dir.path() + "/config");
  const QString desktop = dir.path() + "/Desktop";
  QDir().mkpath(desktop);
  QFile dirs(dir.path() + "/config/user-dirs.dirs");
  if (dirs.open(QIODevice::WriteOnly))
    dirs.write("XDG_DESKTOP_DIR=\"" + QFile::encodeName(desktop) + "\"\n");
  return desktop;
}

inline void makeFolder(const QString& path) { QVERIFY(QDir().mkpath(path)); }

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A picture of one colour in the format of the file's ending.
inline void writePicture(const QString& path, int width, int height,
                         std::vector<uint8_t> rgb = {40, 90, 160}) {
  Result<ImageBuffer> image = ImageBuffer::filled(width, height, 3, rgb.data());
  QVERIFY(image.ok());
  const std::string native = QFile::encodeName(path).toStdString();
  QVERIFY(writeImageFile(sourceFormatOf(native), native, *image, WriteOptions{}).ok());
}

// The texts of one column, top to bottom, of any item view.
inline QStringList columnTexts(const QAbstractItemModel& model, int column) {
  QStringList out;
  for (int r = 0; r < model.rowCount(); ++r) out << model.index(r, column).data().toString();
  return out;
}

inline QStringList childTexts(const QTreeWidgetItem* item) {
  QStringList out;
  for (int k = 0; k < item->childCount(); ++k) out << item->child(k)->text(0);
  return out;
}

}  // namespace trimlet::browser_test

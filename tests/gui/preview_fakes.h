#pragma once
// The preview pane's widget tests: fake panes in the application object
// (file list, folder tree, main frame, settings over StoredSettingsPanel), a
// memory profile store, recorded message boxes, real image files in a
// temporary folder, and mouse input given in the source view's own pixels and
// sent to the pane, which sits 5 pixels further right and down.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "app/base/kivo_app.h"
#include "app/base/message_box.h"
#include "engine/image/image_buffer.h"
#include "engine/settings/profile_store.h"
#include "imagefile/image_format.h"
#include "pipeline/stored_settings_panel.h"
#include "preview/form_rlower.h"
#include "preview/image_view.h"

namespace trimlet::preview_test {

class FakeList : public FileListPort {
 public:
  void FillFromFolder(const QString& f) override { filled.push_back(f); }
  void SetViewMode(ViewMode mode) override { viewModes.push_back(static_cast<int>(mode)); }
  QString SelectedName() const override { return selected; }
  void SetSelectedName(const QString& name) override { selected = name; }
  QString ListFolder() const override { return folder; }
  bool NoFileChosen() const override { return noFileChosen; }
  void DeleteAllItems() override {}

  QString folder;
  QString selected;
  bool noFileChosen = false;
  std::vector<QString> filled;
  std::vector<int> viewModes;
};

class FakeTree : public FolderTreePort {
 public:
  bool SelectFolder(const QString& path) override {
    asked.push_back(path);
    return answer;
  }
  void SelectAndRefreshFolder(const QString& path) override { asked.push_back(path); }
  void SelectCurrentFolder() override {}

  bool answer = true;
  std::vector<QString> asked;
};

struct StatusValues {
  int sourceWidth = -1, sourceHeight = -1, resultWidth = -1, resultHeight = -1;
  int sourceScale = -1, resultScale = -1;
  bool operator==(const StatusValues& o) const {
    return sourceWidth == o.sourceWidth && sourceHeight == o.sourceHeight &&
           resultWidth == o.resultWidth && resultHeight == o.resultHeight &&
           sourceScale == o.sourceScale && resultScale == o.resultScale;
  }
};

inline char* toString(const StatusValues& v) {
  return QTest::toString(QString::asprintf("%d x %d, %d%% -> %d x %d, %d%%", v.sourceWidth,
                                           v.sourceHeight, v.sourceScale, v.resultWidth,
                                           v.resultHeight, v.resultScale));
}

class FakeFrame : public MainFramePort {
 public:
  ViewMode GetViewMode() const override { return ViewMode::kLargeIcon; }
  void SetStatusValues(int sw, int sh, int rw, int rh, int ss, int rs) override {
    status = {sw, sh, rw, rh, ss, rs};
    ++statusCalls;
  }
  void SetTitle(const QString& t) override { title = t; }

  StatusValues status;
  int statusCalls = 0;
  QString title;
};

// The settings pane: the plain panel, which counts its shows and remembers
// whether it was disabled.
class FakeSettings : public SettingsPanePort {
 public:
  CropSettings& fields() override { return panel.fields(); }
  GatheredSettings gather() override { return panel.gather(); }
  void setInwardCutLimit(int limit) override { panel.setInwardCutLimit(limit); }
  void setImageSeen() override { panel.setImageSeen(); }
  void showFields() override { panel.showFields(); }
  void disableAll() override { panel.disableAll(); }
  void CommitControls() override {}
  void EnableForCurrentImage() override { panel.setDisabled(false); }
  void EnableForMode(CroppingMode) override {}

  StoredSettingsPanel panel;
};

struct Message {
  MessageKind kind;
  QString caption;
  QString text;
};

inline QString rgbText(QRgb c) {
  return QString::asprintf("(%d, %d, %d)", qRed(c), qGreen(c), qBlue(c));
}

// A picture of w x h pixels, 3 channels, painted from the picture's top-left
// by `colourAt(x, y)` (y counted from the top), stored bottom-up.
template <typename F>
ImageBuffer picture(int w, int h, F colourAt) {
  ImageBuffer image = ImageBuffer::create(w, h, 3).take();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = colourAt(x, y);
      uint8_t* p = image.at(x, h - 1 - y);
      p[0] = static_cast<uint8_t>(c.red);
      p[1] = static_cast<uint8_t>(c.green);
      p[2] = static_cast<uint8_t>(c.blue);
    }
  }
  return image;
}

inline ImageBuffer solidPicture(int w, int h, Rgb c) {
  return picture(w, h, [c](int, int) { return c; });
}

// The application object with fakes in every slot but the preview's; the
// pane is built, first updated, sized and shown.
class Rig {
 public:
  explicit Rig(QSize paneSize = QSize(600, 300), bool build = true) : size_(paneSize) {
    QVERIFY(dir_.isValid());
    CKivoApp& app = theApp();
    app.Store = &store;
    app.ListPane = &list;
    app.LeftPane = &tree;
    app.MainFrame = &frame;
    app.SettingsPane = &settings;
    app.CurrentFolder = folder();
    list.folder = folder();
    SetMessageHandler([this](MessageKind kind, const QString& caption, const QString& text) {
      messages.push_back({kind, caption, text});
      return true;
    });
    if (build) buildPane();
  }
  ~Rig() {
    pane.reset();
    SetMessageHandler({});
    CKivoApp& app = theApp();
    app.Store = nullptr;
    app.ListPane = nullptr;
    app.LeftPane = nullptr;
    app.MainFrame = nullptr;
    app.SettingsPane = nullptr;
    app.PreviewPane = nullptr;
  }
  Rig(const Rig&) = delete;
  Rig& operator=(const Rig&) = delete;

  void buildPane() {
    pane = std::make_unique<CFormRLower>(nullptr);
    pane->InitialUpdate();
    pane->resize(size_);
    pane->show();
    QCoreApplication::processEvents();
  }

  // The temporary folder, ending with "/".
  QString folder() const { return dir_.path() + "/"; }
  std::string path(const QString& name) const { return (folder() + name).toStdString(); }

  void write(const QString& name, const ImageBuffer& image) {
    const SourceFormat format = sourceFormatOf(name.toStdString());
    QVERIFY(writeImageFile(format, path(name), image, WriteOptions()).ok());
  }
  void writeBytes(const QString& name, const QByteArray& bytes) {
    QFile file(folder() + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  // The list chooses `name` in the folder and the pane opens it.
  void open(const QString& name) {
    list.selected = name;
    pane->Pipeline().setCurrentFolder(folder().toStdString());
    pane->OpenImage(name);
  }
  // Writes a picture and opens it.
  void openPicture(const QString& name, const ImageBuffer& image) {
    write(name, image);
    open(name);
  }

  CImageView& sourceView() { return *pane->sourceView(); }
  CImageView& resultView() { return *pane->resultView(); }
  const ViewRect& d() { return sourceView().model().imageRect(); }
  CropRect crop() {
    const CropSettings& f = settings.fields();
    return {f.cropX, f.cropY, f.cropWidth, f.cropHeight};
  }
  QSize resultSize() {
    const ImageBuffer& r = pane->Pipeline().result();
    return {r.width(), r.height()};
  }

  // Mouse input at source view positions (sent to the pane at + 5).
  static QPoint onPane(QPoint viewPoint) { return viewPoint + QPoint(5, 5); }
  void hoverPane(QPoint panePoint) {
    QMouseEvent event(QEvent::MouseMove, panePoint, pane->mapToGlobal(panePoint), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pane.get(), &event);
  }
  void hover(QPoint p) { hoverPane(onPane(p)); }
  void press(QPoint p) { QTest::mousePress(pane.get(), Qt::LeftButton, {}, onPane(p)); }
  void moveTo(QPoint p) { QTest::mouseMove(pane.get(), onPane(p)); }
  void release(QPoint p) { QTest::mouseRelease(pane.get(), Qt::LeftButton, {}, onPane(p)); }
  void rightClick(QPoint p) { QTest::mouseClick(pane.get(), Qt::RightButton, {}, onPane(p)); }
  // Over the point, press, move to the end in one step, release there.
  void drag(QPoint from, QPoint to) {
    hover(from);
    press(from);
    moveTo(to);
    release(to);
  }

  MemoryProfileStore store;
  FakeList list;
  FakeTree tree;
  FakeFrame frame;
  FakeSettings settings;
  std::vector<Message> messages;
  std::unique_ptr<CFormRLower> pane;

 private:
  QSize size_;
  QTemporaryDir dir_;
};

}  // namespace trimlet::preview_test

namespace trimlet {
// Readable QCOMPARE failures for crop values.
inline char* toString(const CropRect& r) {
  return QTest::toString(
      QString::asprintf("x %d, y %d, width %d, height %d", r.x, r.y, r.width, r.height));
}
inline char* toString(const ViewRect& r) {
  return QTest::toString(
      QString::asprintf("(%d, %d) - (%d, %d)", r.left, r.top, r.right, r.bottom));
}
}  // namespace trimlet

Q_DECLARE_METATYPE(trimlet::CropRect)

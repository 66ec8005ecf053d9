// The manual cropping window on real files: typing an angle, the dial, Reset,
// stepping through the folder and saving, answered through the dialog and
// message hooks.
#include <QtTest>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/base/dialog_hooks.h"
#include "app/base/message_box.h"
#include "engine/settings/profile_store.h"
#include "imagefile/image_format.h"
#include "manualcrop/crop_picture.h"
#include "manualcrop/manual_crop_dlg.h"
#include "manualcrop/rotation_dial.h"
#include "output/dialogs/save_file_dlg.h"
#include "tests/support/test_support.h"

using namespace trimlet;

namespace {

struct Window {
  Window() {
    for (const char* name : {"b.bmp", "A.bmp", "c.bmp"})
      writeImageFile(SourceFormat::kBitmap, path(name), test::pageWithBlock(60, 40, 10, 5, 30, 20),
                     WriteOptions());
    SetMessageHandler([this](MessageKind, const QString&, const QString& text) {
      messages << text;
      return answer;
    });
    ManualCropSetup setup;
    setup.folder = dir.path().toStdString() + "/";
    setup.fileName = "b.bmp";
    setup.files = {"A.bmp", "b.bmp", "c.bmp"};
    dialog = std::make_unique<CManualCropDlg>(setup, &store, nullptr);
    dialog->show();
  }
  ~Window() {
    dialog.reset();
    SetMessageHandler({});
    SetDialogHandler({});
  }
  std::string path(const char* name) const { return dir.path().toStdString() + "/" + name; }
  QLineEdit* degree() { return dialog->findChild<QLineEdit*>(QStringLiteral("1046")); }
  QPushButton* button(int id) { return dialog->findChild<QPushButton*>(QString::number(id)); }
  void turnBy(const QString& text) {
    degree()->setText(text);
    QTest::keyClick(degree(), Qt::Key_Return);
  }
  // Saves through the save dialog under `name`.
  void saveAs(const QString& name) {
    SetDialogHandler([this, name](QDialog& d) {
      auto& save = dynamic_cast<CSaveFileDlg&>(d);
      save.selectFile(dir.path() + "/" + name);
      static_cast<QDialog&>(save).accept();
      return save.result();
    });
    button(1050)->click();
  }

  QTemporaryDir dir;
  MemoryProfileStore store;
  QStringList messages;
  bool answer = true;
  std::unique_ptr<CManualCropDlg> dialog;
};

}  // namespace

class ManualCropTest : public QObject {
  Q_OBJECT

 private slots:
  void typingAnAngleTurnsTheImageAndTheNeedle() {
    Window w;
    QCOMPARE(w.dialog->windowTitle(), QStringLiteral("Trimlet manual cropping - b.bmp"));
    QCOMPARE(w.dialog->turned().width(), 60);
    w.turnBy(QStringLiteral("30"));
    QCOMPARE(w.dialog->dial()->angle(), 30);
    QVERIFY(w.dialog->turned().height() > 40);
    w.turnBy(QStringLiteral("abc"));
    QCOMPARE(w.messages, QStringList{QStringLiteral("Please enter a number.")});
  }

  void theDialTurnsOnRelease() {
    Window w;
    CRotationDial* dial = w.dialog->dial();
    const DialGeometry d = dialGeometry(dial->width(), dial->height());
    const QPoint centre(d.cx, d.cy);
    QTest::mousePress(dial, Qt::LeftButton, {}, centre);
    QMouseEvent move(QEvent::MouseMove, QPointF(centre + QPoint(30, 0)), QPointF(), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dial, &move);
    QCOMPARE(w.degree()->text(), QStringLiteral("90"));
    QCOMPARE(w.dialog->turned().width(), 60);  // not turned until release
    QTest::mouseRelease(dial, Qt::LeftButton, {}, centre + QPoint(30, 0));
    QCOMPARE(w.dialog->turned().width(), 40);
    QCOMPARE(w.dialog->turned().height(), 60);
  }

  void resetShowsTheLoadedImageAgain() {
    Window w;
    w.turnBy(QStringLiteral("15"));
    w.button(1049)->click();
    QCOMPARE(w.degree()->text(), QStringLiteral("0"));
    QCOMPARE(w.dialog->dial()->angle(), 0);
    QCOMPARE(w.dialog->turned().width(), 60);
    QCOMPARE(w.dialog->picture()->GetSelection(), PictureRect());
  }

  void nextTwiceAsksToJumpToTheFirst() {
    Window w;
    w.button(1058)->click();
    QCOMPARE(w.dialog->fileName(), std::string("c.bmp"));
    w.answer = false;
    w.button(1058)->click();
    QCOMPARE(w.messages.size(), 1);
    QVERIFY(w.messages[0].startsWith(QStringLiteral("NEXT: No more image files in directory.")));
    QCOMPARE(w.dialog->fileName(), std::string("c.bmp"));
    w.answer = true;
    w.button(1058)->click();
    QCOMPARE(w.dialog->fileName(), std::string("A.bmp"));
    QCOMPARE(w.dialog->windowTitle(), QStringLiteral("Trimlet manual cropping - A.bmp"));
  }

  void savingWithoutABandWritesTheWholeTurnedImage() {
    Window w;
    w.turnBy(QStringLiteral("90"));
    w.saveAs(QStringLiteral("turned.png"));
    auto back = readImageFile(SourceFormat::kPng, w.path("turned.png"));
    QVERIFY(back.ok());
    QCOMPARE(back->width(), 40);
    QCOMPARE(back->height(), 60);
    w.saveAs(QStringLiteral("name.JPG"));
    QVERIFY(!QFile::exists(QString::fromStdString(w.path("name.JPG"))));
  }

  void everyControlHasAnAccessibleName() {
    Window w;
    for (const char* id : {"1045", "1046", "1053", "1065", "1049", "1057", "1058", "1050", "2"}) {
      QWidget* control = w.dialog->findChild<QWidget*>(QString::fromLatin1(id));
      QVERIFY2(control != nullptr, id);
      QVERIFY2(!control->accessibleName().isEmpty(), id);
    }
    QCOMPARE(w.dialog->dial()->accessibleName(), QStringLiteral("Rotation dial"));
    QCOMPARE(w.degree()->accessibleName(), QStringLiteral("Degree"));
  }

  void thePlaceIsRemembered() {
    {
      Window w;
      w.dialog->resize(700, 560);
      w.dialog.reset();
      QCOMPARE(w.store.intValue("Manual Crop Window", "width"), 700);
    }
  }
};

QTEST_MAIN(ManualCropTest)
#include "manual_crop_test.moc"

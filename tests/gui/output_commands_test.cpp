// Save Image and Batch Process through the real preview pane and the real
// dialogs, answered through the dialog and message hooks; the window's batch
// writes the same files as trimlet-batch.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <cstdlib>
#include <functional>

#include "app/base/dialog_hooks.h"
#include "browser/shell_folder_tree.h"
#include "output/dialogs/batch_dialogs.h"
#include "output/dialogs/batch_process_dlg.h"
#include "output/dialogs/output_format_dlg.h"
#include "output/dialogs/save_file_dlg.h"
#include "tests/gui/preview_fakes.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/test_support.h"

using namespace trimlet;
using namespace trimlet::preview_test;

namespace {

using Answer = std::function<int(QDialog&)>;

// Answers the dialogs in turn; a dialog beyond the script is rejected.
struct Script {
  explicit Script(std::vector<Answer> answers) : answers_(std::move(answers)) {
    SetDialogHandler([this](QDialog& d) {
      ++shown;
      if (next_ >= answers_.size()) return int(QDialog::Rejected);
      return answers_[next_++](d);
    });
  }
  ~Script() { SetDialogHandler({}); }
  int shown = 0;

 private:
  std::vector<Answer> answers_;
  size_t next_ = 0;
};

template <typename T>
T* child(QWidget& w, const char* name) {
  return w.findChild<T*>(QString::fromLatin1(name));
}

// The batch dialog filled with an output entry and an affix, then OK.
Answer batchDialog(const QString& output, const QString& affix, bool postfix) {
  return [=](QDialog& d) {
    child<QLineEdit>(d, "1003")->setText(output);
    child<QLineEdit>(d, "1009")->setText(affix);
    child<QRadioButton>(d, postfix ? "1044" : "1043")->setChecked(true);
    d.accept();
    return d.result();
  };
}

Answer overwriteAnswer(const char* button, bool all) {
  return [=](QDialog& d) {
    if (all) child<QCheckBox>(d, "1034")->setChecked(true);
    child<QPushButton>(d, button)->click();
    return d.result();
  };
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class OutputCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveWithoutAnImageAsksForOne() {
    Rig rig;
    Script script({});
    rig.pane->SaveImage();
    QCOMPARE(script.shown, 0);
    QCOMPARE(rig.messages.size(), size_t(1));
    QCOMPARE(rig.messages[0].text, QStringLiteral("Please select an image file first."));
  }

  void saveProposesTheNameAndWritesByTheExtension() {
    Rig rig;
    rig.openPicture("holiday.bmp", solidPicture(40, 30, Rgb{10, 200, 30}));
    const QString target = rig.folder() + "out.tga";
    Script script({[&](QDialog& d) {
      auto& save = dynamic_cast<CSaveFileDlg&>(d);
      [&] {
        QCOMPARE(child<QLineEdit>(save, "fileNameEdit")->text(), QStringLiteral("holiday"));
      }();
      auto* types = child<QComboBox>(save, "fileTypeCombo");
      types->setCurrentIndex(1);
      [&] {
        QVERIFY(child<QCheckBox>(save, "1023")->isVisibleTo(&save));
        QVERIFY(!child<QSlider>(save, "1019")->isVisibleTo(&save));
      }();
      save.setQuality(40);
      save.selectFile(target);
      static_cast<QDialog&>(save).accept();
      return save.result();
    }});
    rig.pane->SaveImage();
    QVERIFY(QFile::exists(target));
    QCOMPARE(rig.settings.fields().jpegQuality, 40);
  }

  void saveCarriesTheSourcesColourProfile() {
    Rig rig;
    const test::Bytes profile = test::iccProfile("RGB ");
    test::writeFileBytes(
        rig.path("photo.jpg"),
        test::jpegFile(test::pageWithBlock(40, 30, 5, 5, 10, 10), 1, 1, {}, profile));
    rig.open("photo.jpg");
    const QString target = rig.folder() + "photo_c.png";
    Script script({[&](QDialog& d) {
      auto& save = dynamic_cast<CSaveFileDlg&>(d);
      save.selectFile(target);
      static_cast<QDialog&>(save).accept();
      return save.result();
    }});
    rig.pane->SaveImage();
    ImageMetadata back;
    auto read = readImageFileWithMetadata(SourceFormat::kPng, target.toStdString(), &back);
    QVERIFY(read.ok());
    QVERIFY(back.iccProfile == profile);
  }

  void aCapitalExtensionWritesNothingAndCancelChangesNothing() {
    Rig rig;
    rig.openPicture("page.bmp", solidPicture(40, 30, Rgb{10, 200, 30}));
    const QString capitals = rig.folder() + "out.JPG";
    Script script({[&](QDialog& d) {
                     auto& save = dynamic_cast<CSaveFileDlg&>(d);
                     save.selectFile(capitals);
                     static_cast<QDialog&>(save).accept();
                     return save.result();
                   },
                   [&](QDialog& d) {
                     dynamic_cast<CSaveFileDlg&>(d).setQuality(10);
                     d.reject();
                     return d.result();
                   }});
    rig.pane->SaveImage();
    QVERIFY(!QFile::exists(capitals));
    rig.pane->SaveImage();
    QCOMPARE(rig.settings.fields().jpegQuality, 75);
  }

  void theFormatDialogEnablesByFormat() {
    COutputFormatDlg dialog(OutputFormat::kTarga, 75, true, nullptr);
    QVERIFY(!child<QSlider>(dialog, "1019")->isEnabled());
    QVERIFY(child<QCheckBox>(dialog, "1023")->isEnabled());
    child<QRadioButton>(dialog, "1017")->click();
    QVERIFY(!child<QSlider>(dialog, "1019")->isEnabled());
    QVERIFY(!child<QCheckBox>(dialog, "1023")->isEnabled());
    QVERIFY(!child<QCheckBox>(dialog, "1025")->isEnabled());  // lossless: JPEG only
    child<QRadioButton>(dialog, "1030")->click();
    QVERIFY(child<QSlider>(dialog, "1019")->isEnabled());
    QVERIFY(child<QCheckBox>(dialog, "1025")->isEnabled());
    child<QCheckBox>(dialog, "1025")->setChecked(true);
    dialog.accept();
    QCOMPARE(dialog.format(), OutputFormat::kJpeg);
    QVERIFY(dialog.lossless());
  }

  void theBrowseButtonChoosesAFolderInTheTree() {
    Rig rig;
    QDir(rig.folder()).mkdir(QStringLiteral("sub"));
    QString shown;
    Script script({[&](QDialog& d) {
                     child<QAbstractButton>(d, "1005")->click();
                     shown = child<QLineEdit>(d, "1004")->text();
                     d.reject();
                     return d.result();
                   },
                   [&](QDialog& d) {
                     auto& select = dynamic_cast<CSelectDirDlg&>(d);
                     select.tree()->SelectPath(rig.folder() + "sub/");
                     select.accept();
                     return select.result();
                   }});
    rig.pane->RunBatch();
    QCOMPARE(shown, rig.folder() + "sub/");
  }

  void aBatchIntoANewFolderAsksToCreateItAndWritesEveryFile() {
    Rig rig;
    rig.write("a.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.write("b.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.settings.fields().outputFormat = OutputFormat::kBitmap;
    Script script({batchDialog("out", "_c", true)});
    rig.pane->RunBatch();
    QVERIFY(QFile::exists(rig.folder() + "out/a_c.bmp"));
    QVERIFY(QFile::exists(rig.folder() + "out/b_c.bmp"));
    QStringList texts;
    for (const Message& m : rig.messages) texts << m.text;
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].contains(QStringLiteral("does not exist. Do you want the folder")));
    QCOMPARE(texts[1], QStringLiteral("Cropping completed."));
    QCOMPARE(rig.pane->outputFolder(), rig.folder() + "out/");
  }

  void allWithSkipAsksOnceAndTouchesNothing() {
    Rig rig;
    rig.write("a.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.write("b.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.settings.fields().outputFormat = OutputFormat::kSame;
    const QByteArray before = bytesOf(rig.folder() + "a.bmp");
    Script script({batchDialog("", "", false), overwriteAnswer("1030", true)});
    rig.pane->RunBatch();
    QCOMPARE(script.shown, 2);
    QCOMPARE(bytesOf(rig.folder() + "a.bmp"), before);
  }

  void aRenameOntoAnExistingNameAsksAgain() {
    Rig rig;
    rig.write("a.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.write("taken.bmp", solidPicture(5, 5, Rgb{9, 9, 9}));
    rig.settings.fields().outputFormat = OutputFormat::kSame;
    const QByteArray taken = bytesOf(rig.folder() + "taken.bmp");
    // Files go in the reverse of the listing order; answer whichever asks.
    std::vector<QString> asked;
    Answer answer = [&](QDialog& d) {
      if (auto* warning = dynamic_cast<COverwriteDlg*>(&d)) {
        asked.push_back(child<QLabel>(*warning, "1033")->text());
        if (asked.size() == 1) return overwriteAnswer("1031", false)(d);  // rename
        return overwriteAnswer("1030", false)(d);                         // skip
      }
      auto& name = dynamic_cast<CNewFilenameDlg&>(d);
      child<QLineEdit>(name, "1035")->setText(rig.folder() + "taken.bmp");
      name.accept();
      return name.result();
    };
    Script script({batchDialog("", "", false), answer, answer, answer, answer, answer});
    rig.pane->RunBatch();
    QVERIFY(asked.size() >= 2);
    QVERIFY(asked[1].endsWith(QStringLiteral("taken.bmp")));
    QCOMPARE(bytesOf(rig.folder() + "taken.bmp"), taken);
  }

  void cancelFinishesTheFileAtHand() {
    Rig rig;
    rig.write("a.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.write("b.bmp", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.settings.fields().outputFormat = OutputFormat::kPng;
    Script script({batchDialog("", "", false)});
    // The first time the window takes input between files, Cancel is clicked.
    QTimer::singleShot(0, [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* progress = dynamic_cast<CBatchProgressDlg*>(w)) progress->cancelButton()->click();
    });
    rig.pane->RunBatch();
    const int written =
        int(QFile::exists(rig.folder() + "a.png")) + int(QFile::exists(rig.folder() + "b.png"));
    QCOMPARE(written, 1);
    QCOMPARE(rig.messages.back().text, QStringLiteral("Batch process cancelled."));
  }

  void theWindowsBatchWritesWhatTrimletBatchWrites() {
    Rig rig;
    rig.write("a.bmp", picture(60, 40, [](int x, int y) {
                return x > 10 && x < 40 && y > 5 && y < 30 ? Rgb{30, 60, 90} : Rgb{255, 255, 255};
              }));
    rig.write("b.png", solidPicture(30, 20, Rgb{5, 6, 7}));
    CropSettings& f = rig.settings.fields();
    f.tolerance = 20;
    f.outputFormat = OutputFormat::kPng;
    f.edgeCheck = 1;
    f.cutValue = 3;
    Script script({batchDialog("window", "", false)});
    rig.pane->RunBatch();
    const QString cli = rig.folder() + "cli";
    QDir().mkpath(cli);
    const QString command =
        QStringLiteral(
            "XDG_CONFIG_HOME='%1cfg' '%2' --set 'Auto Crop Info/Tolerance=20' "
            "--set 'Crop Edge Info/Edge Check=1' --set 'Crop Edge Info/Cut Value=3' "
            "--format png '%3' '%4' >/dev/null 2>&1")
            .arg(rig.folder(), QStringLiteral(TRIMLET_BATCH_PROGRAM), rig.folder(), cli);
    QCOMPARE(std::system(command.toLocal8Bit().constData()), 0);
    for (const char* name : {"a.png", "b.png"}) {
      const QByteArray window = bytesOf(rig.folder() + "window/" + name);
      QVERIFY2(!window.isEmpty(), name);
      QCOMPARE(window, bytesOf(cli + "/" + name));
    }
  }
};

QTEST_MAIN(OutputCommandsTest)
#include "output_commands_test.moc"

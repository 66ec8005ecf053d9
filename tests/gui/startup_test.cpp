// The program's start and end with its real panes and its QSettings store
// (in a private configuration folder): a first start, a restart that puts
// everything back, a last file or folder that has gone, the folder given on
// the command line, a bad command line, and the parent-folder command.
#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "app/base/message_box.h"
#include "app/command_ids.h"
#include "app/kivo_program.h"
#include "app/main_frame.h"
#include "app_test_fakes.h"
#include "browser/form_left.h"
#include "browser/form_rupper.h"
#include "browser/shell_file_list.h"
#include "browser/shell_folder_tree.h"
#include "engine/settings/settings_keys.h"
#include "settings/store/qsettings_profile_store.h"

using namespace trimlet;
using namespace trimlet::test;

namespace {

void writePicture(const QString& path, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QVERIFY(image.save(path));
}

CFormRUpper* listPane() { return dynamic_cast<CFormRUpper*>(theApp().ListPane); }
CFormLeft* treePane() { return dynamic_cast<CFormLeft*>(theApp().LeftPane); }

QString treeSelection() {
  CShellFolderTree* tree = treePane()->tree();
  return tree->ItemPath(tree->currentItem());
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    configHome_ = &privateConfigHome();
    launchFolder_ = QDir::currentPath();
  }

  void init() {
    // A fresh store for every case: the file is removed, and what an earlier
    // case left in this process's QSettings cache with it.
    QSettingsProfileStore store;
    QFile::remove(QString::fromStdString(store.fileName()));
    pictures_ = std::make_unique<QTemporaryDir>();
    root_ = QDir(pictures_->path()).canonicalPath();
    QVERIFY(QDir(root_).mkpath(QStringLiteral("Pics/Old")));
    writePicture(root_ + QStringLiteral("/Pics/a.png"), 40, 30);
    writePicture(root_ + QStringLiteral("/Pics/b.png"), 30, 40);
    QVERIFY(QDir::setCurrent(root_));
    messages_.clear();
    SetMessageHandler([this](MessageKind, const QString&, const QString& text) {
      messages_ << text;
      return true;
    });
  }

  void cleanup() {
    program_.reset();
    SetMessageHandler({});
    QCOMPARE(messages_, QStringList());
    QDir::setCurrent(launchFolder_);
    pictures_.reset();
  }

  void firstStart() {
    start({"trimlet"});
    CMainFrame* frame = program_->frame();
    // The frame's outer corner is at 0, 0 (the window system may add a border
    // around the 1024 x 768 window).
    QCOMPARE(frame->frameGeometry().topLeft(), QPoint(0, 0));
    QCOMPARE(frame->geometry().size(), QSize(1024, 768));
    QVERIFY(!frame->isMaximized());
    QCOMPARE(static_cast<int>(frame->GetViewMode()), 0);
    QVERIFY(frame->action(cmd::kLargeIconView)->isChecked());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Trimlet"));
    QCOMPARE(theApp().StartupFolder, root_);
    QCOMPARE(theApp().CurrentFolder, root_ + QLatin1Char('/'));
    QCOMPARE(theApp().SystemLangId[0], theApp().SystemLangId[1]);
    QCOMPARE(treeSelection(), root_ + QLatin1Char('/'));
    QVERIFY(listPane()->NoFileChosen());
  }

  void restartPutsEverythingBack() {
    const QString file = root_ + QStringLiteral("/Pics/b.png");
    {
      QSettingsProfileStore store;
      using namespace keys;
      store.writeString(kLastSelectedFile, kFilePath, file.toStdString());
      store.writeInt(kWindowInfo, kWindowLeft, 20);
      store.writeInt(kWindowInfo, kWindowTop, 30);
      store.writeInt(kWindowInfo, kWindowRight, 740);
      store.writeInt(kWindowInfo, kWindowBottom, 570);
      store.writeInt(kWindowInfo, kMaximized, 1);
      store.writeInt(kWindowInfo, kViewMode, 2);
    }
    start({"trimlet"});
    CMainFrame* frame = program_->frame();
    QTRY_VERIFY(frame->isMaximized());
    QCOMPARE(static_cast<int>(frame->GetViewMode()), 2);
    QVERIFY(frame->action(cmd::kDetailsView)->isChecked());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Trimlet - b.png"));
    QCOMPARE(theApp().CurrentFolder, root_ + QStringLiteral("/Pics/"));
    QCOMPARE(QDir::currentPath(), root_ + QStringLiteral("/Pics"));
    QCOMPARE(treeSelection(), root_ + QStringLiteral("/Pics/"));
    CShellFileList* list = listPane()->fileList();
    QCOMPARE(list->currentRow(), list->rowOfName(QStringLiteral("b.png")));
    QVERIFY(list->currentRow() >= 0);
    frame->activateWindow();
    QTRY_VERIFY(list->activeView()->hasFocus());

    program_.reset();
    QSettingsProfileStore store;
    using namespace keys;
    QCOMPARE(store.readInt(kWindowInfo, kWindowLeft, 0), 20);
    QCOMPARE(store.readInt(kWindowInfo, kWindowTop, 0), 30);
    QCOMPARE(store.readInt(kWindowInfo, kWindowRight, 0), 740);
    QCOMPARE(store.readInt(kWindowInfo, kWindowBottom, 0), 570);
    QCOMPARE(store.readInt(kWindowInfo, kMaximized, 0), 1);
    QCOMPARE(store.readInt(kWindowInfo, kViewMode, 0), 2);
    QCOMPARE(QString::fromStdString(store.readString(kLastSelectedFile, kFilePath, "")), file);
  }

  void restartOfANormalWindow() {
    start({"trimlet"});
    program_->frame()->setGeometry(50, 60, 700, 500);
    program_->frame()->action(cmd::kThumbnailView)->trigger();
    program_.reset();
    QDir::setCurrent(root_);
    start({"trimlet"});
    QCOMPARE(program_->frame()->geometry(), QRect(50, 60, 700, 500));
    QVERIFY(!program_->frame()->isMaximized());
    QCOMPARE(static_cast<int>(program_->frame()->GetViewMode()), 3);
  }

  void deletedLastFile() {
    {
      QSettingsProfileStore store;
      store.writeString(keys::kLastSelectedFile, keys::kFilePath,
                        (root_ + QStringLiteral("/Pics/gone.png")).toStdString());
    }
    start({"trimlet"});
    QCOMPARE(program_->frame()->windowTitle(), QStringLiteral("Trimlet"));
    QCOMPARE(theApp().CurrentFolder, root_ + QStringLiteral("/Pics/"));
    QCOMPARE(listPane()->ListFolder(), root_ + QStringLiteral("/Pics/"));
    QCOMPARE(listPane()->fileList()->currentRow(), -1);
    QVERIFY(listPane()->NoFileChosen());
  }

  void lastFolderGone() {
    {
      QSettingsProfileStore store;
      store.writeString(keys::kLastSelectedFile, keys::kFilePath,
                        (root_ + QStringLiteral("/Gone/a.png")).toStdString());
    }
    start({"trimlet"});
    QCOMPARE(theApp().CurrentFolder, root_ + QLatin1Char('/'));
    QCOMPARE(QDir::currentPath(), root_);
    QCOMPARE(program_->frame()->windowTitle(), QStringLiteral("Trimlet"));
  }

  void folderFromTheCommandLine() {
    {
      QSettingsProfileStore store;
      store.writeString(keys::kLastSelectedFile, keys::kFilePath,
                        (root_ + QStringLiteral("/Pics/a.png")).toStdString());
    }
    start({"trimlet", root_ + QStringLiteral("/Pics/Old")});
    QCOMPARE(theApp().StartupFolder, root_);
    QCOMPARE(theApp().CurrentFolder, root_ + QStringLiteral("/Pics/Old/"));
    QCOMPARE(QDir::currentPath(), root_ + QStringLiteral("/Pics/Old"));
    QCOMPARE(listPane()->ListFolder(), root_ + QStringLiteral("/Pics/Old/"));
    // The file chosen last lives elsewhere: it is not looked for here.
    QCOMPARE(program_->frame()->windowTitle(), QStringLiteral("Trimlet"));
    QVERIFY(listPane()->SelectedName().isEmpty());
  }

  void folderOfTheLastFileOnTheCommandLine() {
    {
      QSettingsProfileStore store;
      store.writeString(keys::kLastSelectedFile, keys::kFilePath,
                        (root_ + QStringLiteral("/Pics/a.png")).toStdString());
    }
    start({"trimlet", root_ + QStringLiteral("/Pics")});
    QCOMPARE(program_->frame()->windowTitle(), QStringLiteral("Trimlet - a.png"));
  }

  void badCommandLineWritesNothing() {
    program_ = std::make_unique<KivoProgram>();
    QVERIFY(!program_->InitInstance({"trimlet", root_ + QStringLiteral("/Nowhere")}));
    QCOMPARE(int(program_->commandLine().outcome), int(CommandLine::kFailed));
    QVERIFY(program_->frame() == nullptr);
    program_.reset();
    QSettingsProfileStore store;
    QVERIFY(!QFile::exists(QString::fromStdString(store.fileName())));
    QCOMPARE(QDir::currentPath(), root_);
  }

  void parentFolderCommand() {
    start({"trimlet", root_ + QStringLiteral("/Pics/Old")});
    program_->frame()->action(cmd::kParentFolder)->trigger();
    QCOMPARE(treeSelection(), root_ + QStringLiteral("/Pics/"));
    QCOMPARE(listPane()->ListFolder(), root_ + QStringLiteral("/Pics/"));
    QVERIFY(listPane()->fileList()->rowOfName(QStringLiteral("a.png")) >= 0);
  }

 private:
  void start(const QStringList& arguments) {
    program_ = std::make_unique<KivoProgram>();
    QVERIFY(program_->InitInstance(arguments));
    QVERIFY(QTest::qWaitForWindowExposed(program_->frame()));
  }

  QTemporaryDir* configHome_ = nullptr;
  QString launchFolder_;
  std::unique_ptr<QTemporaryDir> pictures_;
  QString root_;
  std::unique_ptr<KivoProgram> program_;
  QStringList messages_;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

// The folder tree pane driven as the user and the other panes drive it:
// first show, expansion, selection by path, and what a selection tells the
// preview and the list.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "browser/form_left.h"
#include "browser/form_rupper.h"
#include "browser/shell_file_list.h"
#include "browser/shell_folder_tree.h"
#include "tests/gui/browser_fakes.h"

using namespace trimlet;
using namespace trimlet::browser_test;

class BrowserTreeTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir temp_;
  QString desktop_;
  QString root_;  // a folder tree of the test's own, below the temporary folder
  std::unique_ptr<AppFixture> app_;
  std::unique_ptr<CFormLeft> left_;
  std::unique_ptr<CFormRUpper> list_;

  CShellFolderTree* tree() const { return left_->tree(); }
  QString current() const { return tree()->ItemPath(tree()->currentItem()); }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    desktop_ = useTemporaryEnvironment(temp_);
  }

  void init() {
    static int run = 0;
    root_ = temp_.path() + "/t" + QString::number(++run);
    makeFolder(root_ + "/Pics/Old");
    makeFolder(root_ + "/Pics/.hidden/deeper");
    makeFolder(root_ + "/Files");
    writeBytes(root_ + "/Files/a.png", "x");
    writeBytes(root_ + "/Files/notes.txt", "x");
    writePicture(root_ + "/Pics/b.png", 8, 8);
    app_ = std::make_unique<AppFixture>();
    list_ = std::make_unique<CFormRUpper>();
    left_ = std::make_unique<CFormLeft>();
    left_->resize(300, 500);
    left_->InitialUpdate();
    list_->InitialUpdate();
  }

  void cleanup() {
    left_.reset();
    list_.reset();
    app_.reset();
    QDir(root_).removeRecursively();
  }

  void firstShowHasTwoUnreadRoots() {
    left_->show();
    QCOMPARE(tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* computer = tree()->topLevelItem(0);
    QTreeWidgetItem* desktop = tree()->topLevelItem(1);
    QCOMPARE(computer->text(0), QString("My Computer"));
    QCOMPARE(desktop, tree()->DesktopItem());
    QCOMPARE(tree()->DesktopPath(), desktop_);
    // One placeholder each: an expand button, nothing read.
    for (QTreeWidgetItem* root : {computer, desktop}) {
      QCOMPARE(root->childCount(), 1);
      QVERIFY(tree()->IsPlaceholder(root->child(0)));
      QCOMPARE(root->child(0)->text(0), QString());
      QVERIFY(!root->icon(0).isNull());
    }
    QVERIFY(tree()->DriveStrings().empty());
    QCOMPARE(tree()->ItemPath(computer), QString());
    QCOMPARE(tree()->ItemPath(desktop), desktop_ + "/");
    // The pane's tree fills it inset by 5 pixels.
    QCOMPARE(tree()->geometry(), left_->rect().adjusted(5, 5, -5, -5));
    QCOMPARE(tree()->objectName(), QString("1007"));
  }

  void expandingMyComputerListsTheDrivesRootFirst() {
    QTreeWidgetItem* computer = tree()->ComputerItem();
    computer->setExpanded(true);
    QVERIFY(!tree()->DriveStrings().empty());
    QCOMPARE(tree()->DriveStrings().front(), std::string("/"));
    QCOMPARE(computer->childCount(), static_cast<int>(tree()->DriveStrings().size()));
    for (int k = 0; k < computer->childCount(); ++k) {
      QCOMPARE(computer->child(k)->childCount(), 1);  // each with an expand button
      QCOMPARE(tree()->ItemPath(computer->child(k)),
               QString::fromStdString(tree()->DriveStrings()[static_cast<size_t>(k)]));
    }
  }

  void expandingReadsEveryTimeAndOnlyFoldersWithSubfoldersGetAButton() {
    makeFolder(desktop_ + "/Scans/2024");
    makeFolder(desktop_ + "/Empty");
    writeBytes(desktop_ + "/Empty/only-a-file.png", "x");
    writeBytes(desktop_ + "/loose.png", "x");
    QTreeWidgetItem* desktop = tree()->DesktopItem();
    desktop->setExpanded(true);
    QCOMPARE(childTexts(desktop), QStringList({"Empty", "Scans"}));
    QTreeWidgetItem* empty = desktop->child(0);
    QTreeWidgetItem* scans = desktop->child(1);
    QCOMPARE(empty->childCount(), 0);  // only files: no expand button
    QCOMPARE(scans->childCount(), 1);
    QVERIFY(tree()->IsPlaceholder(scans->child(0)));
    QCOMPARE(tree()->ItemPath(empty), desktop_ + "/Empty");
    QCOMPARE(tree()->ItemPath(scans), desktop_ + "/Scans/");

    // Changed on disk while collapsed: the next expansion shows it.
    desktop->setExpanded(false);
    makeFolder(desktop_ + "/Added");
    QCOMPARE(childTexts(desktop), QStringList({"Empty", "Scans"}));
    desktop->setExpanded(true);
    QCOMPARE(childTexts(desktop), QStringList({"Added", "Empty", "Scans"}));
    QDir(desktop_ + "/Added").removeRecursively();
    QDir(desktop_ + "/Scans").removeRecursively();
    QDir(desktop_ + "/Empty").removeRecursively();
    QFile::remove(desktop_ + "/loose.png");
  }

  void hiddenSubfoldersAreShownAndGiveAButton() {
    QVERIFY(tree()->SelectPath(root_ + "/Pics/"));
    QTreeWidgetItem* pics = tree()->currentItem();
    pics->setExpanded(true);
    QCOMPARE(childTexts(pics), QStringList({".hidden", "Old"}));
    QCOMPARE(pics->child(0)->childCount(), 1);
    QCOMPARE(pics->child(1)->childCount(), 0);
  }

  void selectPathFindsFoldersWhateverTheirCase() {
    QVERIFY(tree()->SelectPath(root_ + "/pics/OLD/"));
    QCOMPARE(current(), root_ + "/Pics/Old");
    QCOMPARE(tree()->currentItem()->text(0), QString("Old"));
    // Without the final "/" too.
    QVERIFY(tree()->SelectPath(root_ + "/Files"));
    QCOMPARE(current(), root_ + "/Files");
  }

  void selectPathOfAMissingFolderFailsAndKeepsTheSelection() {
    QVERIFY(tree()->SelectPath(root_ + "/Pics/"));
    QTreeWidgetItem* before = tree()->currentItem();
    QVERIFY(!tree()->SelectPath(root_ + "/Pics/Missing/"));
    QVERIFY(!tree()->SelectPath(root_ + "/Nowhere/Deeper/"));
    QVERIFY(!tree()->SelectPath("relative/path/"));
    QCOMPARE(tree()->currentItem(), before);
    // The empty path (no pieces) selects "My Computer".
    QVERIFY(tree()->SelectPath(""));
    QCOMPARE(tree()->currentItem(), tree()->ComputerItem());
  }

  void selectPathFindsAFolderMadeAfterItsParentWasRead() {
    QVERIFY(tree()->SelectPath(root_ + "/Pics/Old/"));
    QVERIFY(tree()->currentItem()->parent()->isExpanded());
    makeFolder(root_ + "/Pics/New/Inner");
    QVERIFY(tree()->SelectPath(root_ + "/Pics/New/"));
    QCOMPARE(current(), root_ + "/Pics/New/");
    QCOMPARE(childTexts(tree()->currentItem()->parent()), QStringList({".hidden", "New", "Old"}));
  }

  void selectingAFolderTellsThePreviewAndFillsTheList() {
    QVERIFY(left_->SelectFolder(root_ + "/Files"));
    QCOMPARE(app_->preview.folders, QStringList({root_ + "/Files/"}));
    QCOMPARE(theApp().CurrentFolder, root_ + "/Files/");
    QCOMPARE(left_->LastTreePath(), root_ + "/Files/");
    QCOMPARE(list_->ListFolder(), root_ + "/Files/");
    QCOMPARE(list_->fileList()->itemCount(), 1);
    // The same folder again is not handled again.
    QVERIFY(left_->SelectFolder(root_ + "/Files/"));
    QCOMPARE(app_->preview.folders.size(), 1);
  }

  void myComputerEmptiesTheListAndLeavesThePreview() {
    QVERIFY(left_->SelectFolder(root_ + "/Files/"));
    const int clears = app_->preview.clears;
    QCOMPARE(list_->fileList()->itemCount(), 1);
    tree()->setCurrentItem(tree()->ComputerItem());
    QCOMPARE(list_->fileList()->itemCount(), 0);
    QCOMPARE(app_->preview.folders.size(), 1);
    QCOMPARE(app_->preview.clears, clears);
    QCOMPARE(theApp().CurrentFolder, root_ + "/Files/");
    QCOMPARE(left_->LastTreePath(), QString());

    // The same folder once more is handled again: the list refills.
    QVERIFY(left_->SelectFolder(root_ + "/Files/"));
    QCOMPARE(app_->preview.folders.size(), 2);
    QCOMPARE(list_->fileList()->itemCount(), 1);
  }

  void collapsingAboveTheSelectionSelectsTheCollapsedFolder() {
    QVERIFY(left_->SelectFolder(root_ + "/Pics/Old/"));
    QTreeWidgetItem* pics = tree()->currentItem()->parent();
    pics->setExpanded(false);
    QCOMPARE(tree()->currentItem(), pics);
    QCOMPARE(app_->preview.folders.last(), root_ + "/Pics/");
  }

  void refreshReadsTheSelectedFolderAgain() {
    QVERIFY(left_->SelectFolder(root_ + "/Files/"));
    QCOMPARE(tree()->currentItem()->childCount(), 0);
    makeFolder(root_ + "/Files/Later");
    left_->SelectAndRefreshFolder(root_ + "/Files/");
    QCOMPARE(childTexts(tree()->currentItem()), QStringList({"Later"}));
  }

  void selectCurrentFolderUsesTheApplicationsFolder() {
    theApp().CurrentFolder = root_ + "/Pics";
    left_->SelectCurrentFolder();
    QCOMPARE(current(), root_ + "/Pics/");
    QCOMPARE(theApp().CurrentFolder, root_ + "/Pics/");
  }

  void manyExpandAndCollapseCyclesKeepEveryNodesIcon() {
    QVERIFY(tree()->SelectPath(root_ + "/Pics/"));
    QTreeWidgetItem* pics = tree()->currentItem();
    for (int i = 0; i < 30; ++i) {
      pics->setExpanded(false);
      pics->setExpanded(true);
    }
    for (int k = 0; k < pics->childCount(); ++k) QVERIFY(!pics->child(k)->icon(0).isNull());
    QVERIFY(!tree()->ComputerItem()->icon(0).isNull());
  }
};

QTEST_MAIN(BrowserTreeTest)
#include "browser_tree_test.moc"

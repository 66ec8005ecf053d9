// The file list pane driven through its control: the columns, the order of
// a fill, the view modes, choosing files and folders, a file that vanished,
// the double-click into a folder and the remembered file.
#include <QHeaderView>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <memory>

#include "browser/form_left.h"
#include "browser/form_rupper.h"
#include "browser/model/list_row.h"
#include "browser/shell_file_list.h"
#include "browser/shell_folder_tree.h"
#include "imagefile/jpeg_file.h"
#include "tests/gui/browser_fakes.h"

using namespace trimlet;
using namespace trimlet::browser_test;

class BrowserListTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir temp_;
  QString folder_;  // ends with "/"
  std::unique_ptr<AppFixture> app_;
  std::unique_ptr<CFormRUpper> pane_;

  CShellFileList* list() const { return pane_->fileList(); }
  int rowOf(const QString& name) const { return list()->rowOfName(name); }

  // Makes the pane, its initial update and the first fill of the folder.
  void open(int viewMode = 2) {
    app_->frame.viewMode = viewMode;
    pane_ = std::make_unique<CFormRUpper>();
    pane_->resize(700, 400);
    pane_->InitialUpdate();
    pane_->show();
    QVERIFY(QTest::qWaitForWindowExposed(pane_.get()));
    theApp().CurrentFolder = folder_;
    app_->preview.FolderChanged(folder_);
  }

  void click(const QString& name) {
    QAbstractItemView* view = list()->activeView();
    const QModelIndex at = view->model()->index(rowOf(name), 0);
    QVERIFY2(at.isValid(), qPrintable(name));
    view->scrollTo(at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
  }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    useTemporaryEnvironment(temp_);
  }

  void init() {
    static int run = 0;
    folder_ = temp_.path() + "/f" + QString::number(++run) + "/";
    makeFolder(folder_ + "Z");
    makeFolder(folder_ + "c/inner");
    writePicture(folder_ + "b.JPG", 200, 100);
    writePicture(folder_ + "A.png", 800, 400);
    writeBytes(folder_ + "readme.txt", "text");
    writeBytes(folder_ + "photo.jpeg", "not listed");
    app_ = std::make_unique<AppFixture>();
  }

  void cleanup() {
    pane_.reset();
    app_.reset();
  }

  void foldersFirstThenImageFilesByName() {
    open();
    QCOMPARE(columnTexts(list()->model(), kColumnName), QStringList({"c", "Z", "A.png", "b.JPG"}));
    QCOMPARE(columnTexts(list()->model(), kColumnType),
             QStringList({"Directory", "Directory", "PNG File", "JPEG File"}));
    QCOMPARE(columnTexts(list()->model(), kColumnSort),
             QStringList({"1c", "1Z", "2A.png", "2b.JPG"}));
    QCOMPARE(list()->ImageFileCount(), 2);
    QCOMPARE(list()->Folder(), folder_);
    QCOMPARE(pane_->ListFolder(), folder_);
    QCOMPARE(list()->objectName(), QString("1002"));
    QCOMPARE(list()->geometry(), pane_->rect().adjusted(5, 5, -5, -5));
  }

  void columnsHeadingsAlignmentsAndWidths() {
    open();
    const QStringList headings{"FileName", "Type", "Size", "Modified", "sort"};
    const QList<int> widths{180, 110, 60, 120, 0};
    QHeaderView* header = list()->header();
    for (int c = 0; c < 5; ++c) {
      QCOMPARE(list()->model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
               headings[c]);
      QCOMPARE(header->sectionSize(c), widths[c]);
      const auto align = list()
                             ->model()
                             .headerData(c, Qt::Horizontal, Qt::TextAlignmentRole)
                             .value<Qt::Alignment>();
      QCOMPARE(bool(align & Qt::AlignRight), c == 2);
    }
    QCOMPARE(list()->itemText(rowOf("c"), kColumnSize), QString(" "));
  }

  void theSortColumnCannotBeWidened() {
    open(2);
    QHeaderView* header = list()->header();
    // A fixed section refuses the user's resizing: the drag below must leave it
    // at 0 whichever boundary the header takes it for.
    QCOMPARE(header->sectionResizeMode(kColumnSort), QHeaderView::Fixed);
    // Drag the boundary at the end of the columns 50 pixels to the right.
    const int edge =
        header->sectionViewportPosition(kColumnSort) + header->sectionSize(kColumnSort);
    const int y = header->height() / 2;
    for (int x : {edge - 1, edge, edge + 1}) {
      QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(x, y));
      QTest::mouseMove(header->viewport(), QPoint(x + 50, y));
      QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(x + 50, y));
      QCOMPARE(header->sectionSize(kColumnSort), 0);
    }
  }

  void viewModesAndAnyOtherValueAsLargeIcons() {
    open(0);
    struct Mode {
      int mode;
      bool details;
      QListView::ViewMode listMode;
      int icon;
    };
    for (const Mode& m :
         {Mode{0, false, QListView::IconMode, 32}, Mode{1, false, QListView::ListMode, 16},
          Mode{2, true, QListView::IconMode, 16}, Mode{3, false, QListView::IconMode, 48},
          Mode{7, false, QListView::IconMode, 32}, Mode{-1, false, QListView::IconMode, 32}}) {
      pane_->SetViewMode(static_cast<ViewMode>(m.mode));
      QCOMPARE(static_cast<int>(list()->viewMode()), m.mode >= 0 && m.mode <= 3 ? m.mode : 0);
      QCOMPARE(list()->activeView() == list()->detailsView(), m.details);
      if (!m.details) {
        QCOMPARE(list()->iconView()->viewMode(), m.listMode);
        QCOMPARE(list()->iconView()->iconSize(), QSize(m.icon, m.icon));
      }
      QCOMPARE(list()->model().usingSmallImages(), m.mode == 1 || m.mode == 2);
    }
  }

  void choosingAnImageFitsTheRectangleOpensItAndPlacesTheSelection() {
    open();
    // A rectangle of 300 x 150 at (10, 20) for a picture of 200 x 100:
    // wider than the picture it shrinks to it; taller, too.
    app_->settings.values.cropX = 10;
    app_->settings.values.cropY = 20;
    app_->settings.values.cropWidth = 300;
    app_->settings.values.cropHeight = 150;
    click("b.JPG");
    QCOMPARE(app_->preview.opened, QStringList({"b.JPG"}));
    QCOMPARE(pane_->SelectedName(), QString("b.JPG"));
    QCOMPARE(pane_->SelectedPath(), folder_ + "b.JPG");
    QVERIFY(!pane_->NoFileChosen());
    QCOMPARE(app_->settings.commits, 1);
    QCOMPARE(app_->settings.enables, 1);
    const CropSettings& v = app_->settings.values;
    QCOMPARE((QList<int>{v.cropX, v.cropY, v.cropWidth, v.cropHeight}),
             (QList<int>{0, 0, 200, 100}));
    // The picture is smaller than the view's 400 x 300: drawn at its own
    // size at (101, 101), s = 1.
    QCOMPARE(app_->preview.SourceView().selection(), (ViewRect{101, 101, 301, 201}));
    QCOMPARE(app_->preview.repaints, 1);

    // The larger picture (800 x 400) is drawn at half size from (1, 51); the
    // rectangle sticking out on the right is shifted inside.
    app_->settings.values.cropX = 700;
    app_->settings.values.cropY = 60;
    app_->settings.values.cropWidth = 200;
    app_->settings.values.cropHeight = 100;
    click("A.png");
    QCOMPARE(app_->preview.opened.last(), QString("A.png"));
    QCOMPARE((QList<int>{v.cropX, v.cropY, v.cropWidth, v.cropHeight}),
             (QList<int>{600, 60, 200, 100}));
    QCOMPARE(app_->preview.SourceView().selection(), (ViewRect{301, 81, 401, 131}));
  }

  void wholeSelectTakesTheWholePicture() {
    open();
    app_->preview.SourceView().restoreFlags(false, true);
    click("A.png");
    const CropSettings& v = app_->settings.values;
    QCOMPARE((QList<int>{v.cropX, v.cropY, v.cropWidth, v.cropHeight}),
             (QList<int>{0, 0, 800, 400}));
  }

  void aPictureStoredOnItsSideIsFittedAsItWillBeShown() {
    // 300 x 100 stored, EXIF orientation 6: the preview shows it 100 x 300.
    ImageMetadata sideways;
    sideways.exif = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 1, 3,
                     0,   1,   0,  0, 0, 6, 0, 0, 0, 0, 0,    0, 0};
    Result<ImageBuffer> stored = ImageBuffer::create(300, 100, 3);
    QVERIFY(stored.ok());
    QVERIFY(
        writeJpeg(QFile::encodeName(folder_ + "turned.jpg").toStdString(), *stored, 75, &sideways)
            .ok());
    writeBytes(folder_ + "broken.png", "not a picture");
    open();
    app_->preview.SourceView().restoreFlags(false, true);
    click("turned.jpg");
    const CropSettings& v = app_->settings.values;
    QCOMPARE((QList<int>{v.cropX, v.cropY, v.cropWidth, v.cropHeight}),
             (QList<int>{0, 0, 100, 300}));
    // A file whose header cannot be read has no size: the rectangle stays;
    // the file is still handed on.
    click("broken.png");
    QCOMPARE((QList<int>{v.cropX, v.cropY, v.cropWidth, v.cropHeight}),
             (QList<int>{0, 0, 100, 300}));
    QCOMPARE(app_->preview.opened, QStringList({"turned.jpg", "broken.png"}));
  }

  void choosingAFolderClearsThePreview() {
    open();
    const int clears = app_->preview.clears;
    click("Z");
    QCOMPARE(app_->preview.clears, clears + 1);
    QCOMPARE(pane_->SelectedName(), QString("Z"));
    QVERIFY(app_->preview.opened.isEmpty());
    QVERIFY(pane_->NoFileChosen());
  }

  void aVanishedFileGivesTheMessageOncePerClick() {
    open();
    click("A.png");
    QVERIFY(QFile::remove(folder_ + "b.JPG"));
    const int clears = app_->preview.clears;
    click("b.JPG");
    QCOMPARE(app_->messages,
             QStringList({"Trimlet: The file you are selecting does not exist in this directory. "
                          "Please refresh the directory."}));
    QCOMPARE(app_->preview.clears, clears + 1);
    QCOMPARE(pane_->SelectedName(), QString());
    QCOMPARE(app_->preview.opened, QStringList({"A.png"}));  // nothing decoded
    // A notice that follows in the same burst shows nothing more, nor does
    // the one of the vanished file losing the selection to another file.
    pane_->OnItemChanged(rowOf("b.JPG"));
    QCOMPARE(app_->messages.size(), 1);
    click("A.png");
    QCOMPARE(app_->preview.opened, QStringList({"A.png", "A.png"}));
    QCOMPARE(app_->messages.size(), 1);
    // The vanished one chosen again: a new burst, a new message.
    click("b.JPG");
    QCOMPARE(app_->messages.size(), 2);
  }

  void sortingNoticesAreIgnored() {
    open();
    theApp().ListSorting = 1;
    pane_->OnItemChanged(rowOf("A.png"));
    theApp().ListSorting = 0;
    QVERIFY(app_->preview.opened.isEmpty());
  }

  void doubleClickMovesTheTreeIntoTheFolder() {
    CFormLeft left;
    left.InitialUpdate();
    open();
    QVERIFY(left.SelectFolder(folder_));
    const int folders = app_->preview.folders.size();
    QAbstractItemView* view = list()->activeView();
    const QModelIndex c = view->model()->index(rowOf("c"), 0);
    // A double-click: the first click's press and release, then the second.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(c).center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(c).center());
    QCOMPARE(left.tree()->ItemPath(left.tree()->currentItem()), folder_ + "c/");
    QCOMPARE(app_->preview.folders.size(), folders + 1);
    QCOMPARE(pane_->ListFolder(), folder_ + "c/");
    QCOMPARE(theApp().CurrentFolder, folder_ + "c/");
    QCOMPARE(QString::fromStdString(app_->preview.Pipeline().currentFolder()), folder_ + "c/");
    QCOMPARE(columnTexts(list()->model(), kColumnName), QStringList({"inner"}));

    // A double-click on an image file changes nothing.
    QVERIFY(left.SelectFolder(folder_));
    const int after = app_->preview.folders.size();
    pane_->OnDoubleClick(rowOf("A.png"));
    QCOMPARE(app_->preview.folders.size(), after);
    QCOMPARE(pane_->ListFolder(), folder_);
  }

  void theRememberedFileIsSelectedWithoutLoading() {
    app_->store.writeString("Last Selected File", "File Path", (folder_ + "b.JPG").toStdString());
    open();
    QCOMPARE(pane_->SelectedName(), QString("b.JPG"));
    QVERIFY(!pane_->NoFileChosen());
    QCOMPARE(list()->currentRow(), rowOf("b.JPG"));
    QVERIFY(list()->activeView()->selectionModel()->isRowSelected(rowOf("b.JPG"), QModelIndex()));
    QVERIFY(app_->preview.Pipeline().imageShown());
    QCOMPARE(app_->preview.Pipeline().currentFileName(), std::string("b.JPG"));
    QVERIFY(app_->preview.opened.isEmpty());
    QCOMPARE(app_->settings.enables, 1);
    QCOMPARE(pane_->SelectedPath(), folder_ + "b.JPG");

    // Destroying the pane writes the file chosen last.
    click("A.png");
    pane_.reset();
    QCOMPARE(QString::fromStdString(app_->store.stringValue("Last Selected File", "File Path")),
             folder_ + "A.png");
  }

  void aRememberedFileThatIsGoneIsForgotten() {
    app_->store.writeString("Last Selected File", "File Path",
                            (folder_ + "gone.png").toStdString());
    app_->frame.viewMode = 0;
    pane_ = std::make_unique<CFormRUpper>();
    pane_->InitialUpdate();
    QCOMPARE(pane_->SelectedName(), QString());
    QVERIFY(pane_->NoFileChosen());
    const int disables = app_->settings.disables;
    pane_->FillFromFolder(folder_);
    QCOMPARE(app_->settings.disables, disables + 1);
    QCOMPARE(list()->currentRow(), -1);
    // The path read stays the one written back.
    pane_.reset();
    QCOMPARE(QString::fromStdString(app_->store.stringValue("Last Selected File", "File Path")),
             folder_ + "gone.png");
  }

  void aFolderChosenLastIsNoPictureToShow() {
    open();
    click("Z");
    const int enables = app_->settings.enables;
    pane_->FillFromFolder(folder_);
    QVERIFY(!app_->preview.Pipeline().imageShown());
    QCOMPARE(app_->settings.enables, enables);
    QCOMPARE(pane_->SelectedPath(), QString());
  }

  void aFolderThatCannotBeReadListsNothing() {
    open();
    pane_->FillFromFolder(folder_ + "missing/");
    QCOMPARE(list()->itemCount(), 0);
  }
};

QTEST_MAIN(BrowserListTest)
#include "browser_list_test.moc"

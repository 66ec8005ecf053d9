// The preview pane as a window among the panes: its layout, which mouse
// positions reach the source view, the status bar values, the folder
// changes, the parent folder, the view modes, the stored values, the title
// and the messages for files that cannot be shown.
#include <QApplication>
#include <QTest>

#include "pipeline/image_pipeline.h"
#include "preview/model/read_failure_text.h"
#include "preview/transparent_bitmap.h"
#include "tests/gui/preview_fakes.h"

using namespace trimlet;
using namespace trimlet::preview_test;

namespace {

StatusValues status(int sw, int sh, int rw, int rh, int ss, int rs) {
  return {sw, sh, rw, rh, ss, rs};
}

}  // namespace

class PreviewPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::overrideCursor() == nullptr); }

  // --- Layout ---------------------------------------------------------

  void layoutOfA600By300Pane() {
    Rig rig;
    QCOMPARE(rig.pane->arrowSize(), QSize(20, 24));
    QVERIFY(rig.pane->arrow()->hasPicture());
    QCOMPARE(rig.sourceView().geometry(), QRect(5, 5, 280, 290));
    QCOMPARE(rig.resultView().geometry(), QRect(315, 5, 280, 290));
    QCOMPARE(rig.pane->arrow()->geometry(), QRect(290, 138, 20, 24));
    QCOMPARE(rig.sourceView().objectName(), QString("1003"));
    QCOMPARE(rig.resultView().objectName(), QString("1004"));
    QCOMPARE(rig.pane->arrow()->objectName(), QString("1005"));
    QVERIFY(!rig.sourceView().model().hideSelection());
    QVERIFY(rig.resultView().model().hideSelection());
  }

  void theArrowLetsThePaneShowThroughItsKeyColour() {
    Rig rig;
    const QImage shot = rig.pane->grab().toImage();
    const QRgb background = shot.pixel(2, 2);
    // The arrow picture's top-left pixel is key colour; its middle is arrow.
    QCOMPARE(rgbText(shot.pixel(290, 138)), rgbText(background));
    QCOMPARE(rgbText(shot.pixel(300, 150)), rgbText(qRgb(58, 111, 208)));
  }

  void theViewsFollowAResize() {
    Rig rig;
    rig.pane->resize(1000, 400);
    QCOMPARE(rig.sourceView().geometry(), QRect(5, 5, 480, 390));
    QCOMPARE(rig.resultView().geometry(), QRect(515, 5, 480, 390));
  }

  // --- Mouse forwarding ------------------------------------------------

  void theMouseReachesTheSourceViewAtMinusFive() {
    // 556 x 576 fills the 278 x 288 inner area: D = (1, 1) - (279, 289), k = 2.
    Rig rig;
    rig.settings.fields().croppingMode = CroppingMode::kManual;
    rig.openPicture("big.png", solidPicture(556, 576, Rgb{40, 40, 40}));
    QCOMPARE(rig.d(), (ViewRect{1, 1, 279, 289}));
    rig.rightClick({100, 100});  // the whole image: S = D
    QCOMPARE(rig.sourceView().model().selection(), rig.d());

    rig.hoverPane({5, 5});  // source (0, 0): the top-left corner's band
    QCOMPARE(rig.pane->cursor().shape(), Qt::SizeFDiagCursor);
    rig.hoverPane({4, 20});  // left of the view: nothing reaches it
    QCOMPARE(rig.pane->cursor().shape(), Qt::ArrowCursor);
    rig.hoverPane({285, 295});  // source (280, 290), still forwarded
    QCOMPARE(rig.pane->cursor().shape(), Qt::SizeFDiagCursor);
    rig.hoverPane({286, 295});
    QCOMPARE(rig.pane->cursor().shape(), Qt::ArrowCursor);
  }

  void aPressOutsideTheSourceViewIsDropped() {
    Rig rig;
    rig.settings.fields().croppingMode = CroppingMode::kManual;
    rig.openPicture("pic.png", solidPicture(200, 100, Rgb{40, 40, 40}));
    const CropRect before = rig.crop();
    rig.hoverPane({4, 20});
    QTest::mousePress(rig.pane.get(), Qt::LeftButton, {}, QPoint(4, 20));
    QTest::mouseMove(rig.pane.get(), QPoint(150, 150));
    QTest::mouseRelease(rig.pane.get(), Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(rig.crop(), before);
    QVERIFY(!rig.sourceView().model().dragging());

    // The same gesture from pane (5, 5) reaches source (0, 0), which lies
    // above and left of D: the new selection starts at D's corner.
    rig.hoverPane({5, 5});
    QTest::mousePress(rig.pane.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(rig.pane.get(), QPoint(150, 150));
    QTest::mouseRelease(rig.pane.get(), Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(rig.crop(), (CropRect{0, 0, 105, 50}));
    QCOMPARE(rig.resultSize(), QSize(105, 50));
  }

  void theResultViewGetsNoMouseInput() {
    Rig rig;
    rig.settings.fields().croppingMode = CroppingMode::kManual;
    rig.openPicture("pic.png", solidPicture(200, 100, Rgb{40, 40, 40}));
    const CropRect before = rig.crop();
    QTest::mousePress(rig.pane.get(), Qt::LeftButton, {}, QPoint(360, 110));
    QTest::mouseMove(rig.pane.get(), QPoint(460, 160));
    QTest::mouseRelease(rig.pane.get(), Qt::LeftButton, {}, QPoint(460, 160));
    QCOMPARE(rig.crop(), before);
    QVERIFY(rig.resultView().model().selection().isNull());
  }

  // --- Status bar -------------------------------------------------------

  void statusValuesBeforeAndAfterAPreview() {
    Rig rig;
    QVERIFY(rig.frame.statusCalls > 0);
    QCOMPARE(rig.frame.status, status(0, 0, 0, 0, 0, 0));

    rig.settings.fields().croppingMode = CroppingMode::kManual;
    rig.openPicture("pic.png", solidPicture(1000, 500, Rgb{20, 30, 40}));
    QCOMPARE(rig.frame.status, status(1000, 500, 1000, 500, 27, 27));
    CropSettings& f = rig.settings.fields();
    f.cropX = 0;
    f.cropY = 0;
    f.cropWidth = 800;
    f.cropHeight = 400;
    rig.pane->Pipeline().ApplyManualRectangle();
    // 278 of 1000 and 278 of 800 pixels shown.
    QCOMPARE(rig.frame.status, status(1000, 500, 800, 400, 27, 34));

    // A wider pane: both views fit by height now (576 of 1000, 576 of 800).
    rig.pane->resize(1200, 300);
    QCOMPARE(rig.frame.status, status(1000, 500, 800, 400, 57, 72));

    rig.pane->ClearPreview();
    QCOMPARE(rig.frame.status, status(0, 0, 0, 0, 0, 0));
  }

  // --- Title, messages ----------------------------------------------------

  void theTitleNamesTheFileShown() {
    Rig rig;
    rig.openPicture("pic.png", solidPicture(20, 10, Rgb{1, 2, 3}));
    QCOMPARE(rig.frame.title, QString("Trimlet - pic.png"));
    rig.pane->ClearPreview();
    QCOMPARE(rig.frame.title, QString("Trimlet"));
    QVERIFY(rig.settings.panel.disabled());
  }

  void aVanishedChosenFileGivesTheMessage() {
    Rig rig;
    rig.write("gone.png", solidPicture(20, 10, Rgb{1, 2, 3}));
    QVERIFY(QFile::remove(rig.folder() + "gone.png"));
    rig.open("gone.png");
    QCOMPARE(rig.messages.size(), size_t(1));
    QCOMPARE(rig.messages[0].caption, QString("Trimlet"));
    QCOMPARE(rig.messages[0].text, QString::fromUtf8(kMissingFileMessage));
    QVERIFY(rig.settings.panel.disabled());
    QVERIFY(rig.pane->Pipeline().source().empty());
  }

  void unreadableFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("bitmap: the reader's reason, captioned Error") << "bad.bmp"
                                                                  << "Error";
    QTest::newRow("PNG") << "bad.png"
                         << "Trimlet";
    QTest::newRow("JPEG") << "bad.jpg"
                          << "Trimlet";
    QTest::newRow("Targa") << "bad.tga"
                           << "Trimlet";
  }
  void unreadableFiles() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Rig rig;
    rig.openPicture("good.png", solidPicture(20, 10, Rgb{1, 2, 3}));
    rig.writeBytes(name, QByteArray("this is no picture at all"));
    rig.open(name);
    QCOMPARE(rig.messages.size(), size_t(1));
    QCOMPARE(rig.messages[0].caption, caption);
    QVERIFY(!rig.messages[0].text.isEmpty());
    if (caption == "Trimlet") {
      QVERIFY2(rig.messages[0].text.contains(rig.folder() + name),
               qPrintable(rig.messages[0].text));
    }
    QVERIFY(rig.pane->Pipeline().source().empty());
    QVERIFY(!rig.sourceView().model().hasImage());
    QVERIFY(!rig.resultView().model().hasImage());
    QVERIFY(rig.settings.panel.disabled());
    QCOMPARE(rig.frame.status, status(0, 0, 0, 0, 0, 0));
  }

  void aNameWithoutAnImageEndingOpensNothing() {
    Rig rig;
    rig.writeBytes("notes.txt", QByteArray("text"));
    rig.open("notes.txt");
    QVERIFY(rig.messages.empty());
    QVERIFY(rig.pane->Pipeline().source().empty());
    QCOMPARE(rig.frame.title, QString("Trimlet - notes.txt"));
  }

  // --- Folders ------------------------------------------------------------

  void theFirstFolderChangeRestoresTheLastFile() {
    Rig rig;
    CropSettings& f = rig.settings.fields();
    f.croppingMode = CroppingMode::kManual;
    f.cropX = 10;
    f.cropY = 20;
    f.cropWidth = 50;
    f.cropHeight = 30;
    rig.write("last.png", solidPicture(200, 100, Rgb{5, 6, 7}));
    rig.list.folder.clear();  // the list is filled only afterwards
    rig.list.selected = "last.png";
    QVERIFY(!rig.pane->firstFolderShown());

    rig.pane->FolderChanged(rig.folder());
    QVERIFY(rig.pane->firstFolderShown());
    QCOMPARE(rig.pane->Pipeline().source().width(), 200);
    QVERIFY(rig.pane->Pipeline().manualRectValid());
    QCOMPARE(rig.resultSize(), QSize(50, 30));
    QCOMPARE(rig.frame.title, QString("Trimlet - last.png"));
    // The source view placed its selection from the panel's values.
    QCOMPARE(rig.sourceView().model().selection(), (ViewRect{50, 115, 100, 145}));
    QCOMPARE(QString::fromStdString(rig.pane->Pipeline().currentFolder()), rig.folder());
    QCOMPARE(rig.list.filled, std::vector<QString>{rig.folder()});
    QVERIFY(rig.messages.empty());

    const QString other = rig.folder() + "sub/";
    rig.pane->FolderChanged(other);
    QVERIFY(rig.pane->Pipeline().source().empty());
    QVERIFY(!rig.pane->Pipeline().imageShown());
    QVERIFY(rig.pane->Pipeline().currentFileName().empty());
    QVERIFY(!rig.sourceView().model().hasImage());
    QCOMPARE(rig.frame.title, QString("Trimlet"));
    QVERIFY(rig.settings.panel.disabled());
    QCOMPARE(QString::fromStdString(rig.pane->Pipeline().currentFolder()), other);
    QCOMPARE(rig.list.filled, (std::vector<QString>{rig.folder(), other}));
  }

  void aFirstFolderChangeWithNoRememberedFileOpensNothing() {
    Rig rig;
    rig.list.selected.clear();
    rig.pane->FolderChanged(rig.folder());
    QVERIFY(rig.pane->firstFolderShown());
    QVERIFY(rig.pane->Pipeline().source().empty());
    QVERIFY(rig.messages.empty());
    QCOMPARE(rig.list.filled, std::vector<QString>{rig.folder()});
  }

  void parentFolder_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("treeFindsIt");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("afterwards");
    QTest::newRow("nested") << "/pics/old/" << true << "/pics/"
                            << "/pics/";
    QTest::newRow("not found: unchanged") << "/pics/old/" << false << "/pics/"
                                          << "/pics/old/";
    QTest::newRow("below the root") << "/pics/" << true << "/"
                                    << "/";
    QTest::newRow("the root") << "/" << true << "/"
                              << "/";
  }
  void parentFolder() {
    QFETCH(QString, current);
    QFETCH(bool, treeFindsIt);
    QFETCH(QString, asked);
    QFETCH(QString, afterwards);
    Rig rig;
    rig.tree.answer = treeFindsIt;
    rig.pane->Pipeline().setCurrentFolder(current.toStdString());
    rig.pane->ParentFolder();
    QCOMPARE(rig.tree.asked, std::vector<QString>{asked});
    QCOMPARE(QString::fromStdString(rig.pane->Pipeline().currentFolder()), afterwards);
  }

  void viewModesPassToTheList() {
    Rig rig;
    rig.pane->SetViewMode(static_cast<ViewMode>(3));
    rig.pane->SetViewMode(static_cast<ViewMode>(0));
    QCOMPARE(rig.list.viewModes, (std::vector<int>{3, 0}));
  }

  void theOutputFolderStartsAsTheCurrentFolder() {
    Rig rig;
    QCOMPARE(rig.pane->outputFolder(), rig.folder());
  }

  // --- Stored values ------------------------------------------------------

  void controlsAreReadAtCreationAndTheSourceViewsValuesStay() {
    Rig rig(QSize(600, 300), false);
    rig.store.writeInt("Controls", "KeyControll", 1);
    rig.store.writeInt("Controls", "WholeSelect", 0);
    rig.buildPane();
    QVERIFY(rig.sourceView().model().keyControll());
    QVERIFY(!rig.sourceView().model().wholeSelect());

    rig.settings.fields().croppingMode = CroppingMode::kManual;
    rig.openPicture("pic.png", solidPicture(200, 100, Rgb{40, 40, 40}));
    rig.rightClick({100, 130});
    QVERIFY(rig.sourceView().model().wholeSelect());
    rig.settings.fields().jpegQuality = 42;
    rig.pane.reset();
    QCOMPARE(rig.store.intValue("Controls", "WholeSelect"), 1);
    QCOMPARE(rig.store.intValue("Controls", "KeyControll"), 1);
    QCOMPARE(rig.store.intValue("Image Option", "Jpeg quality"), 42);
    QVERIFY(theApp().PreviewPane == nullptr);
  }

  void wholeSelectFromTheProfileCropsANewImageWhole() {
    Rig rig(QSize(600, 300), false);
    rig.store.writeInt("Controls", "WholeSelect", 1);
    rig.buildPane();
    rig.settings.fields().croppingMode = CroppingMode::kManual;
    rig.openPicture("pic.png", solidPicture(120, 80, Rgb{40, 40, 40}));
    QCOMPARE(rig.crop(), (CropRect{0, 0, 120, 80}));
  }
};

QTEST_MAIN(PreviewPaneTest)
#include "preview_pane_test.moc"

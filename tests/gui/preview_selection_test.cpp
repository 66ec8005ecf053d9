// The selection rectangle of the preview's source view, driven by real mouse
// and key events sent to the pane over a real PNG file: drawing, moving,
// resizing, the arrow keys with and without Shift, the right-click toggle.
//
// A 200 x 100 picture in the 280 x 290 source view of a 600 x 300 pane is
// drawn at its own size, centred: D = (40, 95) - (240, 195), k = s = 1, so a
// control pixel is an image pixel.
#include <QTest>

#include "tests/gui/preview_fakes.h"

using namespace trimlet;
using namespace trimlet::preview_test;

class PreviewSelectionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    rig = std::make_unique<Rig>();
    rig->settings.fields().croppingMode = CroppingMode::kManual;
    rig->openPicture("pic.png", solidPicture(200, 100, Rgb{90, 120, 150}));
    QCOMPARE(rig->d(), (ViewRect{40, 95, 240, 195}));
    QCOMPARE(rig->resultSize(), QSize(200, 100));
  }
  void cleanup() { rig.reset(); }

  void drawingANewSelectionCropsTheResult() {
    rig->drag({60, 105}, {160, 155});
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QCOMPARE(rig->resultSize(), QSize(100, 50));
    QCOMPARE(rig->sourceView().model().selection(), (ViewRect{60, 105, 160, 155}));
  }

  void drawingUpAndLeftGivesTheSameRectangle() {
    rig->drag({160, 155}, {60, 105});
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QCOMPARE(rig->resultSize(), QSize(100, 50));
  }

  void aDragOutOfTheViewStillEndsAtTheImageEdge() {
    // The source view holds the mouse from the press: the move and the
    // release over the result view still reach it, clamped into D.
    rig->hover({100, 130});
    rig->press({100, 130});
    rig->moveTo({400, 250});
    rig->release({400, 250});
    QCOMPARE(rig->crop(), (CropRect{60, 35, 140, 65}));
    QCOMPARE(rig->resultSize(), QSize(140, 65));
    QVERIFY(!rig->sourceView().model().dragging());
  }

  void movingTheSelectionKeepsItsSize() {
    rig->drag({60, 105}, {160, 155});
    rig->drag({100, 130}, {110, 135});
    QCOMPARE(rig->crop(), (CropRect{30, 15, 100, 50}));
    QCOMPARE(rig->resultSize(), QSize(100, 50));
  }

  void aMovePastTheImageEdgeIsRefused() {
    rig->drag({60, 105}, {160, 155});
    rig->drag({100, 130}, {190, 130});  // the right edge would pass D.right
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
  }

  void resizingFromTheBottomRightHandle() {
    rig->drag({60, 105}, {160, 155});
    rig->hover({160, 155});
    QCOMPARE(rig->sourceView().model().hitCode(), HitCode::kBottomRight);
    QCOMPARE(rig->pane->cursor().shape(), Qt::SizeFDiagCursor);
    rig->drag({160, 155}, {190, 170});
    QCOMPARE(rig->crop(), (CropRect{20, 10, 130, 65}));
    QCOMPARE(rig->resultSize(), QSize(130, 65));
  }

  void resizingFromTheLeftEdge() {
    rig->drag({60, 105}, {160, 155});
    rig->hover({60, 130});
    QCOMPARE(rig->pane->cursor().shape(), Qt::SizeHorCursor);
    rig->drag({60, 130}, {45, 140});
    QCOMPARE(rig->crop(), (CropRect{5, 10, 115, 50}));
    QCOMPARE(rig->resultSize(), QSize(115, 50));
  }

  void aResizeAcrossTheOppositeCornerIsRefused() {
    rig->drag({60, 105}, {160, 155});
    rig->drag({160, 155}, {50, 100});
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QCOMPARE(rig->resultSize(), QSize(100, 50));
  }

  void keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<CropRect>("expected");
    // From the selection (0, 0, 100, 50) at the picture's top-left corner.
    QTest::newRow("Left at the left edge") << int(Qt::Key_Left) << false << CropRect{0, 0, 100, 50};
    QTest::newRow("Right") << int(Qt::Key_Right) << false << CropRect{1, 0, 100, 50};
    QTest::newRow("Shift+Right") << int(Qt::Key_Right) << true << CropRect{0, 0, 101, 50};
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << true << CropRect{0, 0, 99, 50};
    QTest::newRow("Down") << int(Qt::Key_Down) << false << CropRect{0, 1, 100, 50};
    QTest::newRow("Shift+Down") << int(Qt::Key_Down) << true << CropRect{0, 0, 100, 51};
    QTest::newRow("Up at the top edge") << int(Qt::Key_Up) << false << CropRect{0, 0, 100, 50};
    QTest::newRow("Shift+Up") << int(Qt::Key_Up) << true << CropRect{0, 0, 100, 49};
    QTest::newRow("the letter D itself") << int(Qt::Key_D) << false << CropRect{1, 0, 100, 50};
    QTest::newRow("another key") << int(Qt::Key_Q) << false << CropRect{0, 0, 100, 50};
  }
  void keys() {
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(CropRect, expected);
    rig->drag({40, 95}, {140, 145});
    QCOMPARE(rig->crop(), (CropRect{0, 0, 100, 50}));
    QTest::keyClick(rig->pane.get(), static_cast<Qt::Key>(key),
                    shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(rig->crop(), expected);
    QCOMPARE(rig->resultSize(), QSize(expected.width, expected.height));
  }

  void keysAtTheRightEdgeDoNothing() {
    rig->drag({140, 145}, {240, 195});  // the bottom-right quarter, to D's edge
    QCOMPARE(rig->crop(), (CropRect{100, 50, 100, 50}));
    QTest::keyClick(rig->pane.get(), Qt::Key_Right);
    QTest::keyClick(rig->pane.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(rig->pane.get(), Qt::Key_Down);
    QCOMPARE(rig->crop(), (CropRect{100, 50, 100, 50}));
    QVERIFY(rig->sourceView().model().keyControll());
  }

  void aClickTakesTheKeyboardFocus() {
    rig->pane->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig->pane.get()));
    rig->pane->clearFocus();
    QVERIFY(!rig->pane->hasFocus());
    rig->drag({60, 105}, {160, 155});
    QVERIFY(rig->pane->hasFocus());
  }

  void rightClickTogglesTheWholeImageAndBack() {
    rig->drag({60, 105}, {160, 155});
    rig->rightClick({100, 130});
    QCOMPARE(rig->crop(), (CropRect{0, 0, 200, 100}));
    QCOMPARE(rig->resultSize(), QSize(200, 100));
    QVERIFY(rig->sourceView().model().wholeSelect());
    QCOMPARE(rig->sourceView().model().selection(), (ViewRect{40, 95, 240, 195}));

    rig->rightClick({100, 130});
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QCOMPARE(rig->resultSize(), QSize(100, 50));
    QVERIFY(!rig->sourceView().model().wholeSelect());
    QCOMPARE(rig->sourceView().model().selection(), (ViewRect{60, 105, 160, 155}));
  }

  void rightClickOverTheResultViewDoesNothing() {
    rig->drag({60, 105}, {160, 155});
    QTest::mouseClick(rig->pane.get(), Qt::RightButton, {}, QPoint(400, 150));
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QVERIFY(!rig->sourceView().model().wholeSelect());
  }

  void aClickOutsideWithoutMovingEmptiesTheSelectionOnly() {
    rig->drag({60, 105}, {160, 155});
    rig->hover({200, 180});
    rig->press({200, 180});
    rig->release({200, 180});
    QVERIFY(rig->sourceView().model().selection().isNull());
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QCOMPARE(rig->resultSize(), QSize(100, 50));
  }

  void withoutAnImageTheMouseAndKeysDoNothing() {
    rig->pane->ClearPreview();
    const CropRect before = rig->crop();
    rig->drag({60, 105}, {160, 155});
    rig->rightClick({100, 130});
    QTest::keyClick(rig->pane.get(), Qt::Key_Right);
    QCOMPARE(rig->crop(), before);
    QVERIFY(!rig->sourceView().model().dragging());
    QVERIFY(rig->messages.empty());
  }

 private:
  std::unique_ptr<Rig> rig;
};

QTEST_MAIN(PreviewSelectionTest)
#include "preview_selection_test.moc"

// The image views as pictures: grey margins, the image copied or stretched
// without blending, the dotted outline and the inverted handles, grey while
// the list has no chosen file; and the source view's pick mode, which takes
// the crop colour from the picture.
//
// A 200 x 100 picture in the 280 x 290 source view of a 600 x 300 pane is
// drawn at its own size, centred: D = (40, 95) - (240, 195).
#include <QTest>

#include "pipeline/image_pipeline.h"
#include "preview/model/read_failure_text.h"
#include "preview/preview_ids.h"
#include "tests/gui/preview_fakes.h"

using namespace trimlet;
using namespace trimlet::preview_test;

namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const Rgb kBlue{0, 0, 255};
const Rgb kRed{255, 0, 0};

QImage shot(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Every pixel of the widget is grey; otherwise the first that is not.
QString firstNonGrey(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kGrey) {
        return QString::asprintf("(%d, %d) is ", x, y) + rgbText(image.pixel(x, y));
      }
    }
  }
  return QString();
}

QRgb qrgb(Rgb c) { return qRgb(c.red, c.green, c.blue); }

// A 200 x 100 picture: blue, with a red 160 x 60 middle 20 pixels inside.
ImageBuffer framedPicture() {
  return picture(200, 100, [](int x, int y) {
    return x >= 20 && x < 180 && y >= 20 && y < 80 ? kRed : kBlue;
  });
}

}  // namespace

class PreviewViewTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { rig.reset(); }

  // --- Painting -----------------------------------------------------------

  void theImageIsDrawnInDOnGrey() {
    rig = std::make_unique<Rig>();
    // Quadrants: the picture's top-left is yellow, its bottom-right cyan.
    rig->openPicture("pic.png", picture(200, 100, [](int x, int y) {
                       if (y < 50) return x < 100 ? Rgb{255, 255, 0} : Rgb{255, 0, 255};
                       return x < 100 ? Rgb{0, 0, 0} : Rgb{0, 255, 255};
                     }));
    const QImage image = shot(rig->sourceView());
    QCOMPARE(rgbText(image.pixel(40, 95)), rgbText(qRgb(255, 255, 0)));
    QCOMPARE(rgbText(image.pixel(239, 194)), rgbText(qRgb(0, 255, 255)));
    QCOMPARE(rgbText(image.pixel(239, 95)), rgbText(qRgb(255, 0, 255)));
    QCOMPARE(rgbText(image.pixel(39, 95)), rgbText(kGrey));
    QCOMPARE(rgbText(image.pixel(240, 194)), rgbText(kGrey));
    QCOMPARE(rgbText(image.pixel(40, 94)), rgbText(kGrey));
    QCOMPARE(rgbText(image.pixel(0, 0)), rgbText(kGrey));
  }

  void aScaledImageIsNeverBlended() {
    rig = std::make_unique<Rig>();
    // One-pixel black and white columns, shrunk to 278 of 1001 columns.
    rig->openPicture("stripes.png", picture(1001, 300, [](int x, int) {
                       return x % 2 == 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
                     }));
    const ViewRect d = rig->d();
    QCOMPARE(d.width(), 278);
    const QImage image = shot(rig->sourceView());
    int black = 0, white = 0;
    for (int x = d.left; x < d.right; ++x) {
      const QRgb c = image.pixel(x, d.top + d.height() / 2);
      if (c == qRgb(0, 0, 0)) {
        ++black;
      } else if (c == qRgb(255, 255, 255)) {
        ++white;
      } else {
        QFAIL(qPrintable(QString::asprintf("column %d is blended: ", x) + rgbText(c)));
      }
    }
    QVERIFY(black > 0 && white > 0);
  }

  void theSelectionIsDottedAndItsHandlesInverted() {
    rig = std::make_unique<Rig>();
    rig->settings.fields().croppingMode = CroppingMode::kManual;
    const Rgb c{10, 200, 30};
    rig->openPicture("pic.png", solidPicture(200, 100, c));
    rig->drag({60, 105}, {160, 155});
    QImage image = shot(rig->sourceView());
    const QRgb inverted = qRgb(255 - c.red, 255 - c.green, 255 - c.blue);
    // The top-left corner handle covers (57, 102) - (61, 106): its border is
    // inverted, its inside is not.
    QCOMPARE(rgbText(image.pixel(57, 102)), rgbText(inverted));
    QCOMPARE(rgbText(image.pixel(61, 106)), rgbText(inverted));
    QCOMPARE(rgbText(image.pixel(58, 103)), rgbText(qrgb(c)));
    // The bottom-right handle (158, 153) - (162, 157).
    QCOMPARE(rgbText(image.pixel(162, 157)), rgbText(inverted));
    // The outline runs along y = 105 in black dots.
    int black = 0, other = 0;
    for (int x = 70; x < 150; ++x) (image.pixel(x, 105) == qRgb(0, 0, 0) ? black : other)++;
    QVERIFY2(black > 10 && other > 10, qPrintable(QString::asprintf("%d %d", black, other)));
    QCOMPARE(rgbText(image.pixel(100, 130)), rgbText(qrgb(c)));

    // Neither in pick mode nor on the result view.
    rig->sourceView().SetPickMode(1);
    image = shot(rig->sourceView());
    QCOMPARE(rgbText(image.pixel(57, 102)), rgbText(qrgb(c)));
    QCOMPARE(rgbText(image.pixel(100, 105)), rgbText(qrgb(c)));
    const QImage result = shot(rig->resultView());
    const ViewRect rd = rig->resultView().model().imageRect();
    for (int x = rd.left; x < rd.right; ++x) {
      QCOMPARE(rgbText(result.pixel(x, rd.top)), rgbText(qrgb(c)));
    }
  }

  void bothViewsAreGreyWhileNoFileIsChosen() {
    rig = std::make_unique<Rig>();
    rig->openPicture("pic.png", solidPicture(200, 100, Rgb{10, 20, 30}));
    rig->list.noFileChosen = true;
    QCOMPARE(firstNonGrey(shot(rig->sourceView())), QString());
    QCOMPARE(firstNonGrey(shot(rig->resultView())), QString());
    rig->list.noFileChosen = false;
    QCOMPARE(rgbText(shot(rig->sourceView()).pixel(100, 130)), rgbText(qRgb(10, 20, 30)));
  }

  void clearedAndEmptyViewsAreGrey() {
    rig = std::make_unique<Rig>();
    QCOMPARE(firstNonGrey(shot(rig->sourceView())), QString());
    rig->openPicture("pic.png", solidPicture(200, 100, Rgb{10, 20, 30}));
    rig->pane->ClearPreview();
    QCOMPARE(firstNonGrey(shot(rig->sourceView())), QString());
    QCOMPARE(firstNonGrey(shot(rig->resultView())), QString());
  }

  void anImageOfTooFewBytesPerPixelKeepsTheOldOne() {
    rig = std::make_unique<Rig>();
    rig->openPicture("pic.png", solidPicture(200, 100, Rgb{10, 20, 30}));
    const uint8_t grey[4] = {1, 2, 3, 4};
    QVERIFY(!rig->sourceView().SetImage(2, 2, grey, 1));
    QVERIFY(!rig->sourceView().SetImage(0, 5, grey, 3));
    QCOMPARE(rig->sourceView().model().imageWidth(), 200);
    QCOMPARE(rgbText(shot(rig->sourceView()).pixel(100, 130)), rgbText(qRgb(10, 20, 30)));
  }

  void aFourByteImageShowsItsColours() {
    rig = std::make_unique<Rig>();
    ImageBuffer rgba = ImageBuffer::create(3, 2, 4).take();
    for (int i = 0; i < 6; ++i) {
      uint8_t* p = rgba.data() + 4 * i;
      p[0] = 200;
      p[1] = 100;
      p[2] = 50;
      p[3] = static_cast<uint8_t>(i * 40);  // alpha is never shown
    }
    QVERIFY(rig->sourceView().SetImage(3, 2, rgba.data(), 4));
    const ViewRect d = rig->d();
    QCOMPARE(rgbText(shot(rig->sourceView()).pixel(d.left, d.top)), rgbText(qRgb(200, 100, 50)));
  }

  // --- Pick mode ----------------------------------------------------------

  void pickingTheCropColourReRunsTheCrop() {
    rig = std::make_unique<Rig>(QSize(600, 300), false);
    rig->settings.fields().tolerance = 10;  // 0 would make every pixel picture
    rig->settings.fields().filterSize = 1;  // no noise filtering: exact edges
    rig->settings.fields().noiseThreshold = 1;
    rig->buildPane();
    rig->sourceView().SetPickMode(1);
    rig->openPicture("framed.png", framedPicture());
    QCOMPARE(rig->resultSize(), QSize(200, 100));  // white background: all is picture

    rig->hover({45, 100});
    const QCursor pick = rig->pane->cursor();
    QVERIFY(!pick.pixmap().isNull());
    QCOMPARE(pick.hotSpot(), QPoint(preview::kPickHotX, preview::kPickHotY));

    rig->press({45, 100});  // picture pixel (4, 4): blue
    rig->release({45, 100});
    const Rgb bg = rig->settings.fields().backgroundColor;
    QCOMPARE(rgbText(qrgb(bg)), rgbText(qrgb(kBlue)));
    QCOMPARE(rig->resultSize(), QSize(160, 60));
    QVERIFY(rig->pane->Pipeline().settingsCopy().backgroundColor.blue == 255);
  }

  void pickBounds_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("picks");
    QTest::addColumn<QRgb>("colour");
    // Column 0 yellow, column 199 green, the rest grey-blue.
    QTest::newRow("on D.left: nothing") << QPoint(40, 120) << false << QRgb(0);
    QTest::newRow("one right of D.left: column 0") << QPoint(41, 120) << true << qRgb(255, 255, 0);
    QTest::newRow("on D.right: the last column") << QPoint(240, 120) << true << qRgb(0, 255, 0);
    QTest::newRow("past D.right: nothing") << QPoint(241, 120) << false << QRgb(0);
    QTest::newRow("on D.top: nothing") << QPoint(100, 95) << false << QRgb(0);
    QTest::newRow("on D.bottom: the last row") << QPoint(100, 195) << true << qRgb(60, 70, 80);
    QTest::newRow("the grey margin: nothing") << QPoint(10, 10) << false << QRgb(0);
  }
  void pickBounds() {
    QFETCH(QPoint, at);
    QFETCH(bool, picks);
    QFETCH(QRgb, colour);
    rig = std::make_unique<Rig>();
    rig->sourceView().SetPickMode(1);
    rig->openPicture("edges.png", picture(200, 100, [](int x, int) {
                       if (x == 0) return Rgb{255, 255, 0};
                       if (x == 199) return Rgb{0, 255, 0};
                       return Rgb{60, 70, 80};
                     }));
    const Rgb before = rig->settings.fields().backgroundColor;
    rig->press(at);
    rig->release(at);
    const Rgb after = rig->settings.fields().backgroundColor;
    QCOMPARE(rgbText(qrgb(after)), rgbText(picks ? colour : qrgb(before)));
  }

  void pickingWhileTheChosenFileHasVanished() {
    rig = std::make_unique<Rig>();
    rig->sourceView().SetPickMode(1);
    rig->openPicture("framed.png", framedPicture());
    QVERIFY(QFile::remove(rig->folder() + "framed.png"));
    const Rgb before = rig->settings.fields().backgroundColor;
    rig->press({45, 100});
    rig->release({45, 100});
    QCOMPARE(rig->messages.size(), size_t(1));
    QCOMPARE(rig->messages[0].caption, QString("Trimlet"));
    QCOMPARE(rig->messages[0].text, QString::fromUtf8(kMissingFileMessage));
    QVERIFY(rig->settings.panel.disabled());
    QCOMPARE(rgbText(qrgb(rig->settings.fields().backgroundColor)), rgbText(qrgb(before)));
    QCOMPARE(rig->resultSize(), QSize(200, 100));
  }

  void pickModeLeavesTheSelectionAlone() {
    rig = std::make_unique<Rig>();
    rig->settings.fields().croppingMode = CroppingMode::kManual;
    rig->openPicture("framed.png", framedPicture());
    rig->drag({60, 105}, {160, 155});
    rig->sourceView().SetPickMode(1);
    rig->drag({100, 130}, {130, 150});
    rig->rightClick({100, 130});
    QTest::keyClick(rig->pane.get(), Qt::Key_Right);
    QCOMPARE(rig->crop(), (CropRect{20, 10, 100, 50}));
    QVERIFY(!rig->sourceView().SetPickMode(2));
    QVERIFY(rig->sourceView().model().pickMode());
  }

 private:
  std::unique_ptr<Rig> rig;
};

QTEST_MAIN(PreviewViewTest)
#include "preview_view_test.moc"

// The settings panel's real controls over a real preview: typing into the
// fields, Enter, the noise filtering dialog answered through the dialog
// hook, and every control reachable by its accessible name.
#include <QtTest>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "app/base/dialog_hooks.h"
#include "settings/model/panel_ids.h"
#include "settings/panel/form_rmiddle.h"
#include "tests/gui/preview_fakes.h"

using namespace trimlet;
using namespace trimlet::panel;
using namespace trimlet::preview_test;

namespace {

// A preview rig whose settings pane is the real CFormRMiddle.
struct PanelRig {
  PanelRig() : rig(QSize(600, 300), false) {
    form = std::make_unique<CFormRMiddle>(nullptr, &rig.store);
    rig.buildPane();
    form->InitialUpdate();
    form->show();
  }
  ~PanelRig() {
    form.reset();
    theApp().SettingsPane = &rig.settings;
  }
  QLineEdit* edit(int id) { return form->findChild<QLineEdit*>(QString::number(id)); }
  template <typename T>
  T* control(int id) {
    return form->findChild<T*>(QString::number(id));
  }
  // Types `text` into the edit (replacing what it holds) and moves the
  // focus away, as Tab does.
  void type(int id, const QString& text) {
    QLineEdit* e = edit(id);
    e->selectAll();
    QTest::keyClicks(e, text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(e, &out);
  }
  void typeAndEnter(int id, const QString& text) {
    QLineEdit* e = edit(id);
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
  }
  QStringList messageTexts() const {
    QStringList texts;
    for (const Message& m : rig.messages) texts << m.text;
    return texts;
  }

  Rig rig;
  std::unique_ptr<CFormRMiddle> form;
};

}  // namespace

class SettingsPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void aTypedRectangleIsCheckedThenProcessed() {
    PanelRig p;
    p.form->fields().croppingMode = CroppingMode::kManual;
    p.rig.openPicture("page.bmp", solidPicture(640, 480, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    p.type(kCropWidthEdit, "50");
    p.type(kCropXEdit, "600");
    QCOMPARE(p.messageTexts(), QStringList{"The selection should be inside the image."});
    QCOMPARE(p.edit(kCropXEdit)->text(), QStringLiteral("1"));
    p.type(kCropXEdit, "590");
    p.type(kCropHeightEdit, "40");
    QCOMPARE(p.rig.resultSize(), QSize(50, 40));
    QCOMPARE(p.rig.messages.size(), size_t(1));
  }

  void textThatIsNotANumberIsRefused() {
    PanelRig p;
    p.rig.openPicture("page.bmp", solidPicture(64, 48, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    p.type(kToleranceEdit, "lots");
    QCOMPARE(p.messageTexts(), QStringList{"Please enter an integer."});
    QCOMPARE(p.edit(kToleranceEdit)->text(), QStringLiteral("0"));
  }

  void enterRefusesALargeFixedWidthAndKeepsTheFocus() {
    PanelRig p;
    p.rig.openPicture("page.bmp", solidPicture(64, 48, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    p.control<QAbstractButton>(kFixedSizeCheck)->click();
    p.typeAndEnter(kFixedWidthEdit, "5000");
    QCOMPARE(p.messageTexts(), QStringList{"The width of a fixed area must be smaller than 4000."});
    QCOMPARE(p.form->fields().fixedWidth, 0);
    QCOMPARE(p.edit(kFixedWidthEdit)->text(), QStringLiteral("0"));
    // Leaving the field takes 5000 while Fixed Size is on.
    p.type(kFixedWidthEdit, "5000");
    QCOMPARE(p.form->fields().fixedWidth, 5000);
  }

  void fixedSizeTypedIntoTheFieldsSizesTheResult() {
    PanelRig p;
    p.rig.openPicture("page.bmp", solidPicture(64, 48, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    p.control<QAbstractButton>(kFixedSizeCheck)->click();
    p.type(kFixedWidthEdit, "30");
    p.type(kFixedHeightEdit, "20");
    QCOMPARE(p.rig.resultSize(), QSize(30, 20));
  }

  void theNoiseDialogHandsOverOnlyOnOk() {
    PanelRig p;
    p.rig.openPicture("page.bmp", solidPicture(64, 48, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    bool cancel = true;
    SetDialogHandler([&cancel](QDialog& dialog) {
      auto* size = dialog.findChild<QLineEdit*>(QStringLiteral("1016"));
      size->setText(QStringLiteral("7"));
      QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(size, &out);
      dialog.findChild<QPushButton*>(cancel ? QStringLiteral("2") : QStringLiteral("1"))->click();
      return dialog.result();
    });
    p.control<QAbstractButton>(kNoiseFilteringButton)->click();
    QCOMPARE(p.form->fields().filterSize, 3);
    cancel = false;
    p.control<QAbstractButton>(kNoiseFilteringButton)->click();
    SetDialogHandler({});
    QCOMPARE(p.form->fields().filterSize, 7);
    QCOMPARE(p.rig.pane->Pipeline().settingsCopy().filterSize, 7);
  }

  void theUnitListSetsTheSpinRange() {
    PanelRig p;
    p.rig.openPicture("page.bmp", solidPicture(64, 48, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    p.control<QAbstractButton>(kEdgeCheck)->click();
    auto* unit = p.control<QComboBox>(kCutUnitList);
    QCOMPARE(unit->itemText(0), QStringLiteral("%"));
    QCOMPARE(unit->itemText(1), QStringLiteral("Pixel"));
    unit->activated(0);
    QCOMPARE(p.form->cutSpinRange().high, 100);
    unit->activated(1);
    QCOMPARE(p.form->cutSpinRange().high, 1000);
  }

  void splitPhotosAndAutoRotationProcessAgain() {
    PanelRig p;
    p.rig.openPicture("page.bmp", solidPicture(64, 48, Rgb{10, 20, 30}));
    p.form->EnableForCurrentImage();
    p.control<QAbstractButton>(kSplitPhotosCheck)->click();
    p.control<QAbstractButton>(kAutoRotationCheck)->click();
    QCOMPARE(p.form->fields().splitPhotos, 1);
    QCOMPARE(p.form->fields().autoRotate, 1);
    QCOMPARE(p.rig.pane->Pipeline().settingsCopy().splitPhotos, 1);
    QCOMPARE(p.rig.pane->Pipeline().settingsCopy().autoRotate, 1);
    QVERIFY(p.control<QAbstractButton>(kAutoRotationCheck)->isVisible());
  }

  void everyControlHasItsAccessibleName() {
    PanelRig p;
    const std::vector<std::pair<int, const char*>> names = {
        {kManualCropRadio, "Manual Crop"},
        {kAutoCropRadio, "Auto Crop"},
        {kFixedRatioCheck, "Fixed Ratio"},
        {kFlipHorizontalCheck, "Horizontal"},
        {kFlipVerticalCheck, "Vertical"},
        {kNoiseFilteringButton, "Noise Filtering"},
        {kEdgeCheck, "Crop / Add Edge"},
        {kAdditiveButton, "Additive"},
        {kInwardRadio, "Inward"},
        {kOutwardRadio, "Outward"},
        {kFixedSizeCheck, "Fixed Size"},
        {kCropColorButton, "Crop Color"},
        {kFrameColorButton, "Frame Color"},
        {kFillColorButton, "Fill Color"},
        {kCropXEdit, "Crop X"},
        {kCropYEdit, "Crop Y"},
        {kCropWidthEdit, "Crop W"},
        {kCropHeightEdit, "Crop H"},
        {kRatioWidthEdit, "Ratio W"},
        {kRatioHeightEdit, "Ratio H"},
        {kRotationEdit, "Rotation"},
        {kToleranceEdit, "Tolerance"},
        {kEdgeSideList, "Side"},
        {kCutValueEdit, "Cut Value"},
        {kCutUnitList, "Unit"},
        {kSizeWidthHeightRadio, "Width and Height"},
        {kFixedWidthEdit, "Fixed W"},
        {kFixedHeightEdit, "Fixed H"},
        {kSideLengthRadio, "Side Length"},
        {kSideList, "Long or Short"},
        {kSidePixelEdit, "Pixels"}};
    for (const auto& [id, name] : names) {
      QWidget* w = p.form->findChild<QWidget*>(QString::number(id));
      QVERIFY2(w != nullptr, qPrintable(QString::number(id)));
      QCOMPARE(w->accessibleName(), QString::fromUtf8(name));
    }
    for (QWidget* w : p.form->findChildren<QWidget*>()) {
      if (w->objectName().toInt() >= 1000)
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
  }
};

QTEST_MAIN(SettingsPanelTest)
#include "settings_panel_test.moc"

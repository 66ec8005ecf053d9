// The settings pane CFormRMiddle: it reads its section of the store when it
// is built and writes it when it goes, gathers with the normalisations,
// keeps the inward limit and the cut spin, switches its controls on and off
// by the panel's rules, and tells what the program crops with.
#include <QtTest>
#include <memory>

#include "app/base/kivo_app.h"
#include "app_test_fakes.h"
#include "engine/settings/settings_keys.h"
#include "settings/model/panel_ids.h"
#include "settings/panel/form_rmiddle.h"
#include "settings/panel/settings_summary.h"

using namespace trimlet;
using namespace trimlet::panel;
using namespace trimlet::test;

namespace {

using Ids = std::vector<int>;

const Ids kManualControls = {kCropXEdit,       kCropYEdit,           kCropWidthEdit,
                             kCropHeightEdit,  kFlipHorizontalCheck, kFlipVerticalCheck,
                             kFixedRatioCheck, kRotationEdit};
const Ids kAutoControls = {kCropColorButton, kNoiseFilteringButton, kToleranceEdit, kToleranceSpin};
const Ids kEdgeControls = {kEdgeSideList,     kCutValueEdit, kCutValueSpin, kCutUnitList,
                           kFrameColorButton, kInwardRadio,  kOutwardRadio, kAdditiveButton};

// "on" when every id is enabled, "off" when none is, else the ids that are.
QString stateOf(const PanelEnables& enables, const Ids& ids) {
  QStringList on;
  for (int id : ids) {
    if (enables.enabled(id)) on << QString::number(id);
  }
  if (on.size() == int(ids.size())) return QStringLiteral("on");
  if (on.isEmpty()) return QStringLiteral("off");
  return on.join(QLatin1Char(' '));
}

}  // namespace

class SettingsPaneTest : public QObject {
  Q_OBJECT

 private slots:
  void readsInTheConstructorOrder() {
    MemoryProfileStore store;
    CFormRMiddle pane(nullptr, &store);
    std::vector<std::string> names;
    for (const std::string& entry : store.readLog())
      names.push_back(entry.substr(entry.find('/') + 1));
    QCOMPARE(names, (std::vector<std::string>{"Cut Value",
                                              "Tolerance",
                                              "Fixed Width",
                                              "Fixed Height",
                                              "FixedRatio Height",
                                              "FixedRatio Width",
                                              "Cropping Mode",
                                              "Edge Check",
                                              "Fixed Ratio",
                                              "FlipHorizontal",
                                              "FlipVertical",
                                              "Fixed Size",
                                              "FillColor Check",
                                              "Size Mode",
                                              "CropX",
                                              "CropY",
                                              "CropWidth",
                                              "CropHeight",
                                              "Rotation Degree",
                                              "Decimal Point of Ratio Width",
                                              "Decimal Point of Ratio Height",
                                              "Sign of Rotation Degree",
                                              "Decimal Point",
                                              "Filter Size",
                                              "Noise Threshold",
                                              "Sel Side",
                                              "Side Pixel",
                                              "Edge Type",
                                              "Cut Type",
                                              "Cut Direction"}));
  }

  void firstStartDefaults() {
    MemoryProfileStore store;
    CFormRMiddle pane(nullptr, &store);
    const CropSettings& s = pane.fields();
    QCOMPARE(s.croppingMode, CroppingMode::kAuto);
    QCOMPARE(s.tolerance, 0);
    QCOMPARE((CropRect{s.cropX, s.cropY, s.cropWidth, s.cropHeight}), (CropRect{1, 1, 1, 1}));
    QCOMPARE(s.fixedRatioWidth, 1.0f);
    QCOMPARE(s.rotationDegree, 0.0f);
    QCOMPARE(s.cutType, CutType::kPixels);
    QCOMPARE(s.sidePixel, 100);
    QCOMPARE(s.filterSize, 3);
    QCOMPARE(s.noiseThreshold, 6);
    QCOMPARE(s.maxFilterSize, 49);
  }

  void writesItsSectionWhenDestroyed() {
    MemoryProfileStore store;
    {
      CFormRMiddle pane(nullptr, &store);
      pane.fields().rotationDegree = -12.25f;
      pane.fields().tolerance = 40;
      pane.fields().croppingMode = CroppingMode::kManual;
      QVERIFY(!store.hasInt("Auto Crop Info", "Tolerance"));  // nothing while it runs
    }
    using namespace keys;
    QCOMPARE(store.stringValue("Manual Crop Info", "Rotation Degree"), std::string("1225000"));
    QCOMPARE(store.intValue("Manual Crop Info", "Decimal Point"), 2);
    QCOMPARE(store.intValue("Manual Crop Info", "Sign of Rotation Degree"), 1);
    QCOMPARE(store.intValue("Auto Crop Info", "Tolerance"), 40);
    // The preview's values are not the pane's to write.
    QVERIFY(!store.hasInt("Image Option", "Jpeg quality"));
    CFormRMiddle again(nullptr, &store);
    QCOMPARE(again.fields().rotationDegree, -12.25f);
    QCOMPARE(again.fields().croppingMode, CroppingMode::kManual);
  }

  void storedValuesAreTakenAsTheyAre() {
    MemoryProfileStore store;
    store.writeInt("Noise Filtering", "Filter Size", 8);
    store.writeInt("Auto Crop Info", "Tolerance", 250);
    CFormRMiddle pane(nullptr, &store);
    QCOMPARE(pane.fields().filterSize, 8);
    QCOMPARE(pane.fields().tolerance, 250);
    const GatheredSettings gathered = pane.gather();
    QCOMPARE(gathered.filterSize, 9);
    QCOMPARE(gathered.tolerance, 100);
    QCOMPARE(pane.fields().filterSize, 9);
  }

  void gatherDistributesTheCut() {
    MemoryProfileStore store;
    CFormRMiddle pane(nullptr, &store);
    CropSettings& s = pane.fields();
    s.edgeType = EdgeType::kTop;
    s.cutType = CutType::kPercent;
    s.cutValue = 150;
    const GatheredSettings g = pane.gather();
    QCOMPARE(g.cutValue, 100);
    QCOMPARE((std::vector<int>{g.cutLeft, g.cutRight, g.cutTop, g.cutBottom}),
             (std::vector<int>{0, 0, 100, 0}));
  }

  void inwardLimitAndSpin_data() {
    QTest::addColumn<int>("cutType");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("high");
    QTest::newRow("pixels inward") << 1 << 1 << 40 << 40 << 40;
    QTest::newRow("negative limit becomes 0") << 1 << 1 << -7 << 0 << 0;
    QTest::newRow("pixels outward") << 1 << 0 << 40 << 40 << 1000;
    QTest::newRow("percent") << 0 << 1 << 40 << 40 << 100;
    QTest::newRow("low 16 bits of a large limit") << 1 << 1 << 70000 << 70000 << 70000 - 65536;
  }

  void inwardLimitAndSpin() {
    QFETCH(int, cutType);
    QFETCH(int, direction);
    QFETCH(int, limit);
    QFETCH(int, kept);
    QFETCH(int, high);
    MemoryProfileStore store;
    CFormRMiddle pane(nullptr, &store);
    pane.fields().cutType = static_cast<CutType>(cutType);
    pane.fields().cutDirection = static_cast<CutDirection>(direction);
    pane.setInwardCutLimit(limit);
    QCOMPARE(pane.fields().inwardCutLimit, kept);
    QCOMPARE(pane.cutSpinRange().low, 0);
    QCOMPARE(pane.cutSpinRange().high, high);
  }

  void imageSeenIsSetAndNeverStored() {
    MemoryProfileStore store;
    {
      CFormRMiddle pane(nullptr, &store);
      QCOMPARE(pane.fields().imageSeen, 0);
      pane.setImageSeen();
      QCOMPARE(pane.fields().imageSeen, 1);
    }
    CFormRMiddle again(nullptr, &store);
    QCOMPARE(again.fields().imageSeen, 0);
  }

  void registersInTheApplication() {
    MemoryProfileStore store;
    {
      CFormRMiddle pane(nullptr, &store);
      QCOMPARE(theApp().SettingsPane, static_cast<SettingsPanePort*>(&pane));
    }
    QVERIFY(theApp().SettingsPane == nullptr);
  }

  void disableAllKeepsTheHiddenChecks() {
    PanelEnables enables;
    disableAll(enables);
    for (int id : PanelEnables::controlIds()) {
      const bool hidden =
          id == kAutoRotationCheck || id == kMakeSquareCheck || id == kSplitPhotosCheck;
      QVERIFY2(enables.enabled(id) == hidden, qPrintable(QString::number(id)));
    }
  }

  void enableForMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("fieldMode");  // CroppingMode as committed
    QTest::addColumn<int>("fixedRatio");
    QTest::addColumn<QString>("manual");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("autoGroup");
    QTest::newRow("auto") << 0 << 0 << 1 << "off"
                          << "off"
                          << "on";
    QTest::newRow("manual without ratio") << 1 << 1 << 0 << "on"
                                          << "off"
                                          << "off";
    QTest::newRow("manual with ratio") << 1 << 1 << 1 << "on"
                                       << "on"
                                       << "off";
    QTest::newRow("manual asked, field still auto") << 1 << 0 << 1 << "on"
                                                    << "off"
                                                    << "off";
  }

  void enableForMode() {
    QFETCH(int, mode);
    QFETCH(int, fieldMode);
    QFETCH(int, fixedRatio);
    QFETCH(QString, manual);
    QFETCH(QString, ratio);
    QFETCH(QString, autoGroup);
    CropSettings s;
    s.croppingMode = static_cast<CroppingMode>(fieldMode);
    s.fixedRatio = fixedRatio;
    PanelEnables enables;
    disableAll(enables);
    trimlet::enableForMode(enables, static_cast<CroppingMode>(mode), s);
    QCOMPARE(stateOf(enables, kManualControls), manual);
    QCOMPARE(stateOf(enables, {kRatioWidthEdit, kRatioHeightEdit}), ratio);
    QCOMPARE(stateOf(enables, kAutoControls), autoGroup);
    // The mode radios are not its business.
    QCOMPARE(stateOf(enables, {kAutoCropRadio, kManualCropRadio}), QStringLiteral("off"));
  }

  void enableForCurrentImage_data() {
    QTest::addColumn<int>("edge");
    QTest::addColumn<int>("fixedSize");
    QTest::addColumn<int>("sizeMode");
    QTest::addColumn<QString>("edgeGroup");
    QTest::addColumn<QString>("sizeRadios");
    QTest::addColumn<QString>("widthHeight");
    QTest::addColumn<QString>("sideLength");
    QTest::newRow("plain") << 0 << 0 << 0 << "off"
                           << "off"
                           << "off"
                           << "off";
    QTest::newRow("edge on") << 1 << 0 << 0 << "on"
                             << "off"
                             << "off"
                             << "off";
    QTest::newRow("fixed W x H") << 0 << 1 << 0 << "off"
                                 << "on"
                                 << "on"
                                 << "off";
    QTest::newRow("fixed side") << 0 << 1 << 1 << "off"
                                << "on"
                                << "off"
                                << "on";
  }

  void enableForCurrentImage() {
    QFETCH(int, edge);
    QFETCH(int, fixedSize);
    QFETCH(int, sizeMode);
    QFETCH(QString, edgeGroup);
    QFETCH(QString, sizeRadios);
    QFETCH(QString, widthHeight);
    QFETCH(QString, sideLength);
    CropSettings s;
    s.edgeCheck = edge;
    s.fixedSize = fixedSize;
    s.sizeMode = static_cast<SizeMode>(sizeMode);
    PanelEnables enables;
    disableAll(enables);
    trimlet::enableForCurrentImage(enables, s);
    QCOMPARE(stateOf(enables, {kAutoCropRadio, kManualCropRadio, kEdgeCheck, kFixedSizeCheck,
                               kFillColorButton}),
             QStringLiteral("on"));
    QCOMPARE(stateOf(enables, kAutoControls), QStringLiteral("on"));
    QCOMPARE(stateOf(enables, kManualControls), QStringLiteral("off"));
    QCOMPARE(stateOf(enables, kEdgeControls), edgeGroup);
    QCOMPARE(stateOf(enables, {kSizeWidthHeightRadio, kSideLengthRadio}), sizeRadios);
    QCOMPARE(stateOf(enables, {kFixedWidthEdit, kFixedHeightEdit}), widthHeight);
    QCOMPARE(stateOf(enables, {kSidePixelEdit, kSideList}), sideLength);
  }

  void initialUpdateDisablesWithoutAFile_data() {
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("radios");
    QTest::newRow("no file chosen") << ""
                                    << "off";
    QTest::newRow("a file chosen") << "a.jpg"
                                   << "on";
  }

  void initialUpdateDisablesWithoutAFile() {
    QFETCH(QString, selected);
    QFETCH(QString, radios);
    MemoryProfileStore store;
    store.writeInt(keys::kCropEdgeInfo, "Edge Check", 0);
    FakeList list(nullptr);
    list.selected = selected;
    FakePreview preview(nullptr);
    CFormRMiddle pane(nullptr, &store);
    pane.InitialUpdate();
    QCOMPARE(stateOf(pane.enables(), {kAutoCropRadio, kManualCropRadio}), radios);
    QCOMPARE(stateOf(pane.enables(), kEdgeControls), QStringLiteral("off"));
    QCOMPARE(pane.cutSpinRange().high, 100);
    // Auto crop puts the source view into its picking mode.
    QVERIFY(preview.SourceView().pickMode());
  }

  void enableForCurrentImageSetsPickMode() {
    MemoryProfileStore store;
    FakePreview preview(nullptr);
    CFormRMiddle pane(nullptr, &store);
    QVERIFY(!preview.SourceView().pickMode());
    pane.disableAll();
    pane.EnableForCurrentImage();
    QVERIFY(preview.SourceView().pickMode());
    QVERIFY(pane.enables().enabled(kAutoCropRadio));
  }

  void summary_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("auto crop") << "" << 0 << "Auto Crop";
    QTest::newRow("manual crop") << "manual" << 0
                                 << "Manual Crop, 10, 20, 300 x 200, rotation -12.25 deg.";
    QTest::newRow("tolerance, normalised") << "tolerance 250" << 1 << "100";
    QTest::newRow("filter, normalised") << "filter 8" << 2 << "9 x 9, threshold 6";
    QTest::newRow("edge off") << "" << 3 << "Off";
    QTest::newRow("edge") << "edge" << 3 << "Top, 30%, Outward";
    QTest::newRow("inward before any image") << "inward" << 3 << "All, 55 Pixel, Inward";
    QTest::newRow("fixed W x H") << "fixed" << 4 << "640 x 480";
    QTest::newRow("fixed side") << "side" << 4 << "Short side 120 pixels";
    QTest::newRow("output JPEG") << "" << 5 << "JPEG, quality 75";
    QTest::newRow("output Targa") << "targa" << 5 << "Targa, RLE";
  }

  void summary() {
    QFETCH(QString, setup);
    QFETCH(int, line);
    QFETCH(QString, text);
    CropSettings s;
    if (setup == "manual") {
      s.croppingMode = CroppingMode::kManual;
      s.cropX = 10;
      s.cropY = 20;
      s.cropWidth = 300;
      s.cropHeight = 200;
      s.rotationDegree = -12.25f;
    } else if (setup == "tolerance 250") {
      s.tolerance = 250;
    } else if (setup == "filter 8") {
      s.filterSize = 8;
    } else if (setup == "edge") {
      s.edgeCheck = 1;
      s.edgeType = EdgeType::kTop;
      s.cutType = CutType::kPercent;
      s.cutValue = 30;
    } else if (setup == "inward") {
      s.edgeCheck = 1;
      s.cutDirection = CutDirection::kInward;
      s.cutValue = 55;
    } else if (setup == "fixed") {
      s.fixedSize = 1;
      s.fixedWidth = 640;
      s.fixedHeight = 480;
    } else if (setup == "side") {
      s.fixedSize = 1;
      s.sizeMode = SizeMode::kOneSide;
      s.selSide = SelSide::kShort;
      s.sidePixel = 120;
    } else if (setup == "targa") {
      s.outputFormat = OutputFormat::kTarga;
    }
    const std::vector<SummaryLine> lines = settingsSummary(s);
    QCOMPARE(lines.size(), size_t(6));
    QCOMPARE(lines[line].second, text);
  }

  void paneShowsTheSummaryAndFollowsTheFields() {
    MemoryProfileStore store;
    CFormRMiddle pane(nullptr, &store);
    auto shown = pane.shownSummary();
    QCOMPARE(shown.size(), size_t(6));
    QCOMPARE(shown[0], (std::pair<QString, QString>{"Mode", "Auto Crop"}));
    QCOMPARE(shown[5].first, QStringLiteral("Output format"));
    pane.fields().tolerance = 12;
    pane.showFields();
    QCOMPARE(pane.shownSummary()[1].second, QStringLiteral("12"));
  }
};

QTEST_MAIN(SettingsPaneTest)
#include "settings_pane_test.moc"

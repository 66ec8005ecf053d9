// The crop settings panel's rules without widgets: the field checks on
// leaving and on Enter, the processing each notification asks for, the cut
// spin's ranges and the enabling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/model/panel_ids.h"
#include "settings/model/panel_messages.h"
#include "settings/model/panel_model.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using namespace panel;

// Records what the panel asks of the program.
class RecordingHost : public PanelHost {
 public:
  void applySettings() override { calls.push_back("ApplySettings"); }
  void applyCrop() override { calls.push_back("ApplyCrop"); }
  void applyManualRectangle() override { calls.push_back("ApplyManualRectangle"); }
  void openCurrentFile() override { calls.push_back("OpenImage"); }
  bool manualRectValid() const override { return manualValid; }
  int imageWidth() const override { return width; }
  int imageHeight() const override { return height; }
  CroppingMode viewMode() const override { return mode; }
  void setViewMode(CroppingMode m) override { mode = m; }
  void setViewSelection(const CropRect& rect) override { selection = rect; }
  void resizeViewSelection(int w, int h) override { resized = CropRect{0, 0, w, h}; }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void focusControl(int id) override { focus = id; }
  bool runNoiseFilterDialog(int& size, int& threshold) override {
    if (!dialogOk) return false;
    size = dialogSize;
    threshold = dialogThreshold;
    return true;
  }
  bool chooseColour(Rgb& colour) override {
    if (!colourOk) return false;
    colour = chosen;
    return true;
  }

  std::vector<std::string> calls;
  std::vector<std::string> messages;
  bool manualValid = false;
  int width = 640;
  int height = 480;
  CroppingMode mode = CroppingMode::kAuto;
  CropRect selection{-1, -1, -1, -1};
  CropRect resized{-1, -1, -1, -1};
  int focus = 0;
  bool dialogOk = true;
  int dialogSize = 5;
  int dialogThreshold = 10;
  bool colourOk = true;
  Rgb chosen{1, 2, 3};
};

class PanelModelTest : public ::testing::Test {
 protected:
  PanelModelTest() : model(settings, host) { settings.imageSeen = 1; }
  // Types `text` into the edit and leaves it.
  void leave(int id, const std::string& text) {
    model.setText(id, text);
    model.editLeft(id);
  }
  void enter(int id, const std::string& text) {
    model.setText(id, text);
    model.enterPressed(id);
  }
  CropSettings settings;
  RecordingHost host;
  PanelModel model{settings, host};
};

TEST_F(PanelModelTest, AnXOutsideTheImageIsRefusedAndPutBack) {
  settings.cropX = 10;
  settings.cropWidth = 50;
  model.show();
  leave(kCropXEdit, "600");
  EXPECT_EQ(settings.cropX, 10);
  EXPECT_EQ(model.text(kCropXEdit), "10");
  EXPECT_EQ(host.messages, std::vector<std::string>{kSelectionInside});
  EXPECT_TRUE(host.calls.empty());

  leave(kCropXEdit, "590");
  EXPECT_EQ(settings.cropX, 590);
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyManualRectangle"});
  EXPECT_EQ(host.selection, (CropRect{590, 1, 50, 1}));
}

TEST_F(PanelModelTest, ARectangleIsProcessedOnlyOnceAnImageWasSeen) {
  settings.imageSeen = 0;
  leave(kCropXEdit, "5");
  EXPECT_EQ(settings.cropX, 5);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(PanelModelTest, AZeroWidthIsRefusedOnLeavingAndOnEnter) {
  leave(kCropWidthEdit, "0");
  EXPECT_EQ(settings.cropWidth, 1);
  EXPECT_EQ(host.messages.back(), kCropWidthZero);
  host.focus = 0;
  enter(kCropWidthEdit, "0");
  EXPECT_EQ(host.messages.back(), kCropWidthZero);
  EXPECT_EQ(host.focus, 0);  // the focus stays
  enter(kCropWidthEdit, "30");
  EXPECT_EQ(host.focus, kCropHeightEdit);
}

TEST_F(PanelModelTest, TextThatIsNotANumberKeepsThePreviousValue) {
  leave(kCropYEdit, "ten");
  EXPECT_EQ(host.messages, std::vector<std::string>{kEnterInteger});
  EXPECT_EQ(settings.cropY, 1);
  EXPECT_EQ(model.text(kCropYEdit), "1");
  EXPECT_EQ(host.focus, kCropYEdit);
  leave(kRotationEdit, "12,5");
  EXPECT_EQ(host.messages.back(), kEnterNumber);
  EXPECT_EQ(settings.rotationDegree, 0.0f);
}

struct FixedCase {
  bool fixedSize;
  bool enter;
  std::string text;
  int expected;
  const char* message;  // nullptr: accepted
};
void PrintTo(const FixedCase& c, std::ostream* os) {
  *os << (c.enter ? "Enter" : "leave") << " with Fixed Size " << (c.fixedSize ? "on" : "off")
      << ": " << c.text;
}
class FixedWidthChecks : public PanelModelTest, public ::testing::WithParamInterface<FixedCase> {};

TEST_P(FixedWidthChecks, FollowTheLimitsOfLeavingAndEnter) {
  const FixedCase& c = GetParam();
  settings.fixedSize = c.fixedSize ? 1 : 0;
  settings.fixedWidth = 7;
  model.show();
  if (c.enter)
    enter(kFixedWidthEdit, c.text);
  else
    leave(kFixedWidthEdit, c.text);
  EXPECT_EQ(settings.fixedWidth, c.expected);
  if (c.message)
    EXPECT_EQ(host.messages, std::vector<std::string>{c.message});
  else
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, FixedWidthChecks,
                         ::testing::Values(FixedCase{true, false, "5000", 5000, nullptr},
                                           FixedCase{true, true, "5000", 7, kFixedWidthLargeEnter},
                                           FixedCase{false, false, "50000", 50000, nullptr},
                                           FixedCase{false, true, "4001", 7, kFixedWidthLargeEnter},
                                           FixedCase{true, false, "10001", 7, kFixedWidthLarge},
                                           FixedCase{true, false, "-1", 7, kFixedWidthZero},
                                           FixedCase{true, false, "0", 0, nullptr}));

TEST_F(PanelModelTest, RotationLimitsAndProcessingWhenChanged) {
  leave(kRotationEdit, "-10000");
  EXPECT_EQ(settings.rotationDegree, -10000.0f);
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyCrop"});
  leave(kRotationEdit, "10000");
  EXPECT_EQ(settings.rotationDegree, 10000.0f);
  leave(kRotationEdit, "10000.5");
  EXPECT_EQ(settings.rotationDegree, 10000.0f);
  EXPECT_EQ(host.messages, std::vector<std::string>{kRotationRange});
  // Unchanged since last applied: nothing more is processed.
  EXPECT_EQ(host.calls.size(), 2u);
  host.manualValid = true;
  leave(kRotationEdit, "2.5");
  EXPECT_EQ(host.calls.back(), "ApplyManualRectangle");
  EXPECT_FLOAT_EQ(model.rotationApplied(), 2.5f);
}

TEST_F(PanelModelTest, SideLengthMessagesDifferOnLeavingAndOnEnter) {
  leave(kSidePixelEdit, "4001");
  EXPECT_EQ(host.messages.back(), kPixelsLarge);
  enter(kSidePixelEdit, "-3");
  EXPECT_EQ(host.messages.back(), kPixelZeroEnter);
  enter(kSidePixelEdit, "40");
  EXPECT_EQ(host.focus, kSideList);
}

TEST_F(PanelModelTest, EnterMovesTheFocusAroundTheManualFields) {
  const std::vector<std::pair<int, int>> order = {{kCropXEdit, kCropYEdit},
                                                  {kCropYEdit, kCropWidthEdit},
                                                  {kCropWidthEdit, kCropHeightEdit},
                                                  {kCropHeightEdit, kRatioWidthEdit},
                                                  {kRatioWidthEdit, kRatioHeightEdit},
                                                  {kRatioHeightEdit, kRotationEdit},
                                                  {kRotationEdit, kCropXEdit},
                                                  {kFixedWidthEdit, kFixedHeightEdit},
                                                  {kFixedHeightEdit, kFixedWidthEdit}};
  for (const auto& [from, to] : order) {
    EXPECT_TRUE(model.enterPressed(from));
    EXPECT_EQ(host.focus, to) << from;
  }
  EXPECT_FALSE(model.enterPressed(kToleranceEdit));
}

TEST_F(PanelModelTest, TheCutSpinFollowsUnitAndDirection) {
  model.setInwardCutLimit(37);
  model.cutUnitSelected(0);
  EXPECT_EQ(model.cutSpinRange().high, 100);
  model.outwardClicked();
  model.cutUnitSelected(1);
  EXPECT_EQ(model.cutSpinRange().high, 1000);
  model.inwardClicked();
  EXPECT_EQ(model.cutSpinRange().high, 37);
  EXPECT_EQ(settings.cutDirection, CutDirection::kInward);
  EXPECT_EQ(host.calls.size(), 4u);  // each processes with ApplySettings
}

TEST_F(PanelModelTest, AutoCropTwiceReloadsOnlyOnce) {
  host.mode = CroppingMode::kManual;
  settings.croppingMode = CroppingMode::kManual;
  model.autoCropClicked();
  model.autoCropClicked();
  EXPECT_EQ(host.calls, std::vector<std::string>{"OpenImage"});
  EXPECT_EQ(settings.croppingMode, CroppingMode::kAuto);
  EXPECT_TRUE(model.enables().enabled(kToleranceEdit));
  EXPECT_FALSE(model.enables().enabled(kCropXEdit));
}

TEST_F(PanelModelTest, ClearingFixedSizeLeavesTheFillColourEnabled) {
  model.fixedSizeClicked(true);
  EXPECT_TRUE(model.enables().enabled(kFillColorButton));
  model.fixedSizeClicked(false);
  EXPECT_TRUE(model.enables().enabled(kFillColorButton));
  EXPECT_FALSE(model.enables().enabled(kSizeWidthHeightRadio));
  EXPECT_FALSE(model.enables().enabled(kFixedWidthEdit));
  // Set without a size: nothing; cleared: the crop again.
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyCrop"});
}

TEST_F(PanelModelTest, ATypedCutValueIsDistributedButNotProcessed) {
  settings.edgeType = EdgeType::kTop;
  leave(kCutValueEdit, "30");
  EXPECT_EQ(settings.cutTop, 30);
  EXPECT_EQ(settings.cutLeft, 0);
  EXPECT_TRUE(host.calls.empty());
  model.additiveClicked();
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplySettings"});
}

TEST_F(PanelModelTest, ToleranceIsNormalisedSilently) {
  leave(kToleranceEdit, "150");
  EXPECT_EQ(settings.tolerance, 100);
  EXPECT_EQ(model.text(kToleranceEdit), "100");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PanelModelTest, ASpinWritesItsEditAndTheGatherTakesIt) {
  model.spinMoved(kToleranceSpin, 21);
  EXPECT_EQ(model.text(kToleranceEdit), "21");
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplySettings"});
  EXPECT_EQ(model.gather().tolerance, 21);
}

TEST_F(PanelModelTest, FixedRatioFitsTheRectangleAndTheSelection) {
  settings.cropX = 0;
  settings.cropY = 0;
  settings.cropWidth = 300;
  settings.cropHeight = 100;
  settings.fixedRatioWidth = 1.0f;
  settings.fixedRatioHeight = 2.0f;
  model.show();
  model.fixedRatioClicked(true);
  EXPECT_EQ(settings.cropHeight, 600 > 480 ? 480 : 600);
  EXPECT_EQ(host.resized.width, settings.cropWidth);
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyManualRectangle"});
  EXPECT_TRUE(model.enables().enabled(kRatioWidthEdit));
  leave(kRatioHeightEdit, "0");
  EXPECT_EQ(host.messages, std::vector<std::string>{kRatioHeightZero});
  EXPECT_EQ(settings.fixedRatioHeight, 2.0f);
  model.fixedRatioClicked(false);
  EXPECT_FALSE(model.enables().enabled(kRatioWidthEdit));
}

TEST_F(PanelModelTest, DialogsHandOverOnlyOnOk) {
  host.dialogOk = false;
  model.noiseFilteringClicked();
  EXPECT_EQ(settings.filterSize, 3);
  EXPECT_TRUE(host.calls.empty());
  host.dialogOk = true;
  model.noiseFilteringClicked();
  EXPECT_EQ(settings.filterSize, 5);
  EXPECT_EQ(settings.noiseThreshold, 10);
  host.colourOk = false;
  model.colourButtonClicked(kFrameColorButton);
  EXPECT_EQ(settings.fillColor, (Rgb{255, 255, 255}));
  host.colourOk = true;
  model.colourButtonClicked(kFrameColorButton);
  EXPECT_EQ(settings.fillColor, (Rgb{1, 2, 3}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ApplySettings", "ApplySettings"}));
}

TEST_F(PanelModelTest, TheSideLengthRadioClearsFillColorCheck) {
  settings.fixedSize = 1;
  model.sideLengthClicked();
  EXPECT_EQ(settings.fillColorCheck, 0);
  EXPECT_EQ(settings.sizeMode, SizeMode::kOneSide);
  EXPECT_TRUE(model.enables().enabled(kSidePixelEdit));
  EXPECT_FALSE(model.enables().enabled(kFixedWidthEdit));
  EXPECT_EQ(host.calls, std::vector<std::string>{"ApplyCrop"});
  model.sizeWidthHeightClicked();
  EXPECT_EQ(settings.fillColorCheck, 1);
}

TEST(PanelEdits, ParseIntegersAndRealsStrictly) {
  EXPECT_EQ(parseInteger(" 12 "), 12);
  EXPECT_EQ(parseInteger("-7"), -7);
  EXPECT_FALSE(parseInteger("12abc"));
  EXPECT_FALSE(parseInteger(""));
  EXPECT_FALSE(parseInteger("99999999999"));
  EXPECT_EQ(parseReal("1.5"), 1.5f);
  EXPECT_EQ(parseReal("-1e2"), -100.0f);
  EXPECT_FALSE(parseReal("nan"));
  EXPECT_FALSE(parseReal("1.5x"));
  EXPECT_EQ(formatReal(4.0f / 3.0f), "1.33333");
  EXPECT_EQ(formatReal(-12.25f), "-12.25");
}

}  // namespace
}  // namespace trimlet

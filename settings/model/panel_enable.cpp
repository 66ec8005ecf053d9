// The enabling rules of the crop settings panel (see panel_enable.h).
#include "settings/model/panel_enable.h"

#include "settings/model/panel_ids.h"

namespace trimlet {

using namespace panel;

namespace {

const std::vector<int> kEdgeControls = {kEdgeSideList, kCutValueEdit,     kCutValueSpin,
                                        kCutUnitList,  kFrameColorButton, kInwardRadio,
                                        kOutwardRadio, kAdditiveButton};

void setAll(PanelEnables& enables, const std::vector<int>& ids, bool on) {
  for (int id : ids) enables.set(id, on);
}

// By SizeMode: W and H (0) or the side length with its list (1).
void enableSizeFields(PanelEnables& enables, SizeMode sizeMode) {
  const bool sides = sizeMode == SizeMode::kOneSide;
  setAll(enables, {kFixedWidthEdit, kFixedHeightEdit}, !sides);
  setAll(enables, {kSidePixelEdit, kSideList}, sides);
}

}  // namespace

PanelEnables::PanelEnables() {
  for (int id : controlIds()) enabled_[id] = true;
}

bool PanelEnables::enabled(int id) const {
  const auto it = enabled_.find(id);
  return it != enabled_.end() && it->second;
}

void PanelEnables::set(int id, bool on) { enabled_[id] = on; }

const std::vector<int>& PanelEnables::controlIds() {
  static const std::vector<int> ids = {
      kAutoRotationCheck,
      kSplitPhotosCheck,
      kCutUnitList,
      kMakeSquareCheck,
      kToleranceEdit,
      kEdgeSideList,
      kCutValueEdit,
      kCropXEdit,
      kCropYEdit,
      kToleranceSpin,
      kCutValueSpin,
      kCropWidthEdit,
      kCropHeightEdit,
      kFlipVerticalCheck,
      kRotationEdit,
      kFixedWidthEdit,
      kFixedHeightEdit,
      kFlipHorizontalCheck,
      kRatioWidthEdit,
      kRatioHeightEdit,
      kFixedRatioCheck,
      kAutoCropRadio,
      kManualCropRadio,
      kEdgeCheck,
      kSidePixelEdit,
      kFixedSizeCheck,
      kFillColorButton,
      kNoiseFilteringButton,
      kInwardRadio,
      kOutwardRadio,
      kFrameColorButton,
      kCropColorButton,
      kAdditiveButton,
      kSideList,
      kSizeWidthHeightRadio,
      kSideLengthRadio,
  };
  return ids;
}

void disableAll(PanelEnables& enables) {
  for (int id : PanelEnables::controlIds()) {
    if (id != kAutoRotationCheck && id != kMakeSquareCheck && id != kSplitPhotosCheck)
      enables.set(id, false);
  }
}

void enableForMode(PanelEnables& enables, CroppingMode croppingMode, const CropSettings& settings) {
  const bool manual = croppingMode != CroppingMode::kAuto;
  setAll(enables,
         {kCropXEdit, kCropYEdit, kCropWidthEdit, kCropHeightEdit, kFlipHorizontalCheck,
          kFlipVerticalCheck, kFixedRatioCheck, kRotationEdit},
         manual);
  const bool ratio = settings.fixedRatio != 0 && settings.croppingMode != CroppingMode::kAuto;
  setAll(enables, {kRatioWidthEdit, kRatioHeightEdit}, ratio);
  setAll(enables, {kCropColorButton, kNoiseFilteringButton, kToleranceEdit, kToleranceSpin},
         !manual);
}

void enableForCurrentImage(PanelEnables& enables, const CropSettings& settings) {
  setAll(enables, {kAutoCropRadio, kManualCropRadio, kEdgeCheck, kFixedSizeCheck, kFillColorButton},
         true);
  enableForMode(enables, settings.croppingMode, settings);
  if (settings.edgeCheck != 0) setAll(enables, kEdgeControls, true);
  if (settings.fixedSize != 0) {
    setAll(enables, {kSizeWidthHeightRadio, kSideLengthRadio}, true);
    enableSizeFields(enables, settings.sizeMode);
  } else {
    setAll(enables,
           {kFixedWidthEdit, kFixedHeightEdit, kSidePixelEdit, kSideList, kSizeWidthHeightRadio,
            kSideLengthRadio},
           false);
  }
}

void initialEnables(PanelEnables& enables, const CropSettings& settings, bool noFileChosen) {
  enableForMode(enables, settings.croppingMode, settings);
  enableSizeFields(enables, settings.sizeMode);
  if (settings.edgeCheck == 0) setAll(enables, kEdgeControls, false);
  if (settings.fixedSize == 0) {
    setAll(enables,
           {kSizeWidthHeightRadio, kSideLengthRadio, kSidePixelEdit, kFixedWidthEdit,
            kFixedHeightEdit, kSideList},
           false);
  }
  if (noFileChosen) disableAll(enables);
}

void enableEdgeControls(PanelEnables& enables, bool on) { setAll(enables, kEdgeControls, on); }

void enableForFixedSize(PanelEnables& enables, const CropSettings& settings) {
  if (settings.fixedSize != 0) {
    setAll(enables, {kSizeWidthHeightRadio, kSideLengthRadio, kFillColorButton}, true);
    enableSizeFields(enables, settings.sizeMode);
  } else {
    setAll(enables,
           {kSizeWidthHeightRadio, kSideLengthRadio, kSidePixelEdit, kFixedWidthEdit,
            kFixedHeightEdit, kSideList},
           false);
  }
}

}  // namespace trimlet

// The crop settings panel without its widgets (see panel_model.h).
#include "settings/model/panel_model.h"

#include <cstdint>

#include "settings/model/panel_ids.h"
#include "settings/model/panel_messages.h"

namespace trimlet {

namespace {

using namespace panel;

enum class Checked { kNotANumber, kRefused, kAccepted };

// Where Enter moves the focus after an accepted value.
int nextFocus(int id) {
  switch (id) {
    case kCropXEdit: return kCropYEdit;
    case kCropYEdit: return kCropWidthEdit;
    case kCropWidthEdit: return kCropHeightEdit;
    case kCropHeightEdit: return kRatioWidthEdit;
    case kRatioWidthEdit: return kRatioHeightEdit;
    case kRatioHeightEdit: return kRotationEdit;
    case kRotationEdit: return kCropXEdit;
    case kFixedWidthEdit: return kFixedHeightEdit;
    case kFixedHeightEdit: return kFixedWidthEdit;
    case kSidePixelEdit: return kSideList;
    default: return 0;
  }
}

bool beyond(int start, int size, int limit) { return int64_t(start) + size > limit; }

}  // namespace

PanelModel::PanelModel(CropSettings& settings, PanelHost& host)
    : settings_(settings), host_(host), rotationApplied_(settings.rotationDegree) {
  show();
}

const std::string& PanelModel::text(int id) const {
  static const std::string kNone;
  auto it = texts_.find(id);
  return it == texts_.end() ? kNone : it->second;
}

void PanelModel::setText(int id, const std::string& text) {
  if (!findPanelEdit(id) || texts_[id] == text) return;
  texts_[id] = text;
  typed_.insert(id);
}

bool PanelModel::commit() {
  for (const PanelEdit& edit : panelEdits()) {
    if (!typed_.count(edit.id)) continue;
    if (commitEdit(edit, texts_[edit.id], settings_)) {
      typed_.erase(edit.id);
      continue;
    }
    typed_.erase(edit.id);
    texts_[edit.id] = editText(edit, settings_);
    host_.showMessage(edit.kind == EditKind::kInteger ? kEnterInteger : kEnterNumber);
    host_.focusControl(edit.id);
    return false;
  }
  return true;
}

void PanelModel::show() {
  for (const PanelEdit& edit : panelEdits()) texts_[edit.id] = editText(edit, settings_);
  typed_.clear();
}

GatheredSettings PanelModel::gather() {
  commit();
  const GatheredSettings gathered = gatherSettings(settings_);
  show();
  return gathered;
}

void PanelModel::setInwardCutLimit(int limit) {
  settings_.inwardCutLimit = normaliseInwardCutLimit(limit);
  cutSpin_ =
      trimlet::cutSpinRange(settings_.cutType, settings_.cutDirection, settings_.inwardCutLimit);
}

void PanelModel::disableAll() { trimlet::disableAll(enables_); }

void PanelModel::enableForMode(CroppingMode mode) {
  trimlet::enableForMode(enables_, mode, settings_);
}

void PanelModel::enableForCurrentImage() { trimlet::enableForCurrentImage(enables_, settings_); }

void PanelModel::initialUpdate(bool noFileChosen) {
  show();
  cutSpin_ = SpinRange{0, 100};
  applyCutDistribution(settings_);
  initialEnables(enables_, settings_, noFileChosen);
}

// --- Checks -----------------------------------------------------------------

const char* PanelModel::check(int id, bool enter) const {
  const CropSettings& f = settings_;
  const int w = host_.imageWidth();
  const int h = host_.imageHeight();
  const bool image = w > 0 && h > 0;
  switch (id) {
    case kCropXEdit:
      return f.cropX < 0 || (image && beyond(f.cropX, f.cropWidth, w)) ? kSelectionInside : nullptr;
    case kCropYEdit:
      return f.cropY < 0 || (image && beyond(f.cropY, f.cropHeight, h)) ? kSelectionInside
                                                                        : nullptr;
    case kCropWidthEdit:
      if (f.cropWidth <= 0) return kCropWidthZero;
      return image && beyond(f.cropX, f.cropWidth, w) ? kSelectionInside : nullptr;
    case kCropHeightEdit:
      if (f.cropHeight <= 0) return kCropHeightZero;
      return image && beyond(f.cropY, f.cropHeight, h) ? kSelectionInside : nullptr;
    case kRatioWidthEdit: return f.fixedRatioWidth > 0 ? nullptr : kRatioWidthZero;
    case kRatioHeightEdit: return f.fixedRatioHeight > 0 ? nullptr : kRatioHeightZero;
    case kRotationEdit:
      return f.rotationDegree > 10000.0f || !(f.rotationDegree >= -10000.0f) ? kRotationRange
                                                                             : nullptr;
    case kFixedWidthEdit:
    case kFixedHeightEdit: {
      const bool width = id == kFixedWidthEdit;
      const int value = width ? f.fixedWidth : f.fixedHeight;
      if (!enter && f.fixedSize == 0) return nullptr;
      if (value < 0) return width ? kFixedWidthZero : kFixedHeightZero;
      if (enter && value > 4000) return width ? kFixedWidthLargeEnter : kFixedHeightLargeEnter;
      if (!enter && value > 10000) return width ? kFixedWidthLarge : kFixedHeightLarge;
      return nullptr;
    }
    case kSidePixelEdit:
      if (f.sidePixel < 0) return enter ? kPixelZeroEnter : kPixelsZero;
      if (f.sidePixel > 4000) return enter ? kPixelLargeEnter : kPixelsLarge;
      return nullptr;
    default: return nullptr;
  }
}

bool PanelModel::commitAndCheck(int id, bool enter) {
  const PanelEdit* edit = findPanelEdit(id);
  CropSettings before = settings_;
  if (!commit()) return false;
  const char* message = check(id, enter);
  if (message == nullptr) return true;
  if (edit->kind == EditKind::kInteger)
    *edit->integer(settings_) = *edit->integer(before);
  else
    *edit->real(settings_) = *edit->real(before);
  show();
  host_.showMessage(message);
  return false;
}

// --- Notifications ------------------------------------------------------------

void PanelModel::autoCropClicked() {
  if (host_.viewMode() == CroppingMode::kAuto) return;
  settings_.croppingMode = CroppingMode::kAuto;
  if (!commit()) return;
  host_.setViewMode(CroppingMode::kAuto);
  enableForMode(CroppingMode::kAuto);
  host_.openCurrentFile();
}

void PanelModel::manualCropClicked() {
  if (host_.viewMode() == CroppingMode::kManual) return;
  settings_.croppingMode = CroppingMode::kManual;
  if (!commit()) return;
  host_.setViewMode(CroppingMode::kManual);
  enableForMode(CroppingMode::kManual);
  host_.openCurrentFile();
}

void PanelModel::editLeft(int id) {
  const CropSettings& f = settings_;
  switch (id) {
    case kCropXEdit:
    case kCropYEdit:
    case kCropWidthEdit:
    case kCropHeightEdit: {
      if (!commitAndCheck(id, false)) return;
      const int w = host_.imageWidth();
      const int h = host_.imageHeight();
      if (f.cropX >= 0 && f.cropY >= 0 && !beyond(f.cropX, f.cropWidth, w) &&
          !beyond(f.cropY, f.cropHeight, h) && shown()) {
        host_.applyManualRectangle();
        host_.setViewSelection(CropRect{f.cropX, f.cropY, f.cropWidth, f.cropHeight});
      }
      return;
    }
    case kRatioWidthEdit:
    case kRatioHeightEdit:
      if (commitAndCheck(id, false) && f.fixedRatio != 0) fitRatioAndApply();
      return;
    case kRotationEdit: {
      const CropSettings before = settings_;
      if (!commit()) return;
      if (check(id, false) != nullptr) {
        settings_.rotationDegree = before.rotationDegree;
        show();
        host_.showMessage(kRotationRange);
      }
      if (shown() && f.rotationDegree != rotationApplied_) {
        rotationApplied_ = f.rotationDegree;
        if (host_.manualRectValid())
          host_.applyManualRectangle();
        else
          host_.applyCrop();
      }
      show();
      return;
    }
    case kToleranceEdit:
      if (!commit()) return;
      settings_.tolerance = normaliseTolerance(settings_.tolerance);
      show();
      return;
    case kCutValueEdit:
      if (!commit()) return;
      settings_.cutValue = normaliseCutValue(settings_.cutValue, settings_.cutType,
                                             settings_.cutDirection, settings_.inwardCutLimit);
      applyCutDistribution(settings_);
      show();
      return;
    case kFixedWidthEdit:
    case kFixedHeightEdit:
      if (!commitAndCheck(id, false)) return;
      if (shown() && f.fixedSize != 0 && f.fixedWidth > 0 && f.fixedHeight > 0) host_.applyCrop();
      return;
    case kSidePixelEdit:
      if (!commitAndCheck(id, false)) return;
      if (shown() && f.fixedSize != 0 && f.sidePixel > 0) host_.applyCrop();
      return;
    default: return;
  }
}

bool PanelModel::enterPressed(int id) {
  const int next = nextFocus(id);
  if (next == 0) return false;
  if (commitAndCheck(id, true)) host_.focusControl(next);
  return true;
}

void PanelModel::fitRatioAndApply() {
  const int w = host_.imageWidth();
  const int h = host_.imageHeight();
  if (w <= 0 || h <= 0) return;  // no image to fit the rectangle into
  CropSettings& f = settings_;
  const CropRect fitted = fitToFixedRatio(CropRect{f.cropX, f.cropY, f.cropWidth, f.cropHeight},
                                          f.fixedRatioWidth, f.fixedRatioHeight, w, h);
  f.cropWidth = fitted.width;
  f.cropHeight = fitted.height;
  show();
  host_.resizeViewSelection(f.cropWidth, f.cropHeight);
  host_.applyManualRectangle();
}

void PanelModel::fixedRatioClicked(bool on) {
  settings_.fixedRatio = on ? 1 : 0;
  if (!commit()) return;
  enables_.set(kRatioWidthEdit, on);
  enables_.set(kRatioHeightEdit, on);
  if (on) fitRatioAndApply();
}

void PanelModel::flipClicked(int id, bool on) {
  (id == kFlipHorizontalCheck ? settings_.flipHorizontal : settings_.flipVertical) = on ? 1 : 0;
  if (!commit()) return;
  host_.applyCrop();
}

void PanelModel::hiddenCheckClicked(int id, bool on) {
  (id == kAutoRotationCheck ? settings_.autoRotate : settings_.regularRectangle) = on ? 1 : 0;
  host_.applySettings();
}

void PanelModel::splitPhotosClicked(bool on) {
  settings_.splitPhotos = on ? 1 : 0;
  host_.applySettings();
}

void PanelModel::colourButtonClicked(int id) {
  Rgb* target = id == kCropColorButton    ? &settings_.backgroundColor
                : id == kFrameColorButton ? &settings_.fillColor
                : id == kFillColorButton  ? &settings_.fixedColor
                                          : nullptr;
  if (target == nullptr) return;
  Rgb chosen = *target;
  if (!host_.chooseColour(chosen)) return;
  *target = chosen;
  host_.applySettings();
}

void PanelModel::spinMoved(int id, int value) {
  const int buddy = id == kToleranceSpin ? kToleranceEdit : id == kCutValueSpin ? kCutValueEdit : 0;
  if (buddy == 0) return;
  setText(buddy, std::to_string(value));
  host_.applySettings();
}

void PanelModel::noiseFilteringClicked() {
  int size = settings_.filterSize;
  int threshold = settings_.noiseThreshold;
  if (!host_.runNoiseFilterDialog(size, threshold)) return;
  settings_.filterSize = size;
  settings_.noiseThreshold = threshold;
  host_.applySettings();
}

void PanelModel::edgeClicked(bool on) {
  settings_.edgeCheck = on ? 1 : 0;
  if (!commit()) return;
  enableEdgeControls(enables_, on);
  if (shown()) host_.applyCrop();
}

void PanelModel::edgeSideSelected(int index) {
  settings_.edgeType = static_cast<EdgeType>(index);
  if (!commit()) return;
  applyCutDistribution(settings_);
  show();
  host_.applySettings();
}

void PanelModel::cutUnitSelected(int index) {
  settings_.cutType = index == 1 ? CutType::kPixels : CutType::kPercent;
  cutSpin_ =
      trimlet::cutSpinRange(settings_.cutType, settings_.cutDirection, settings_.inwardCutLimit);
  show();
  host_.applySettings();
}

void PanelModel::inwardClicked() {
  settings_.cutDirection = CutDirection::kInward;
  cutSpin_ = SpinRange{0, settings_.inwardCutLimit & 0xFFFF};
  host_.applySettings();
}

void PanelModel::outwardClicked() {
  settings_.cutDirection = CutDirection::kOutward;
  cutSpin_ = SpinRange{0, settings_.cutType == CutType::kPixels ? 1000 : 100};
  host_.applySettings();
}

void PanelModel::additiveClicked() {
  settings_.additive = settings_.additive ? 0 : 1;
  host_.applySettings();
}

void PanelModel::processFixedSize() {
  const CropSettings& f = settings_;
  if (f.fixedSize != 0) {
    if (f.fixedWidth > 0 && f.fixedHeight > 0) host_.applyCrop();
  } else if (host_.manualRectValid()) {
    host_.applyManualRectangle();
  } else {
    host_.applyCrop();
  }
}

void PanelModel::fixedSizeClicked(bool on) {
  settings_.fixedSize = on ? 1 : 0;
  if (!commit()) return;
  enableForFixedSize(enables_, settings_);
  processFixedSize();
}

void PanelModel::sizeWidthHeightClicked() {
  settings_.sizeMode = SizeMode::kWidthHeight;
  if (!commit()) return;
  settings_.fillColorCheck = 1;
  enables_.set(kSidePixelEdit, false);
  enables_.set(kSideList, false);
  enables_.set(kFixedWidthEdit, true);
  enables_.set(kFixedHeightEdit, true);
  enables_.set(kFillColorButton, true);
  processFixedSize();
}

void PanelModel::sideLengthClicked() {
  settings_.sizeMode = SizeMode::kOneSide;
  if (!commit()) return;
  settings_.fillColorCheck = 0;
  enables_.set(kSidePixelEdit, true);
  enables_.set(kSideList, true);
  enables_.set(kFixedWidthEdit, false);
  enables_.set(kFixedHeightEdit, false);
  enables_.set(kFillColorButton, true);
  if (shown() && settings_.fixedSize != 0 && settings_.sidePixel > 0) host_.applyCrop();
}

void PanelModel::sideSelected(int index) {
  settings_.selSide = static_cast<SelSide>(index);
  show();
  if (shown() && settings_.fixedSize != 0 && settings_.sidePixel > 0) host_.applyCrop();
}

}  // namespace trimlet

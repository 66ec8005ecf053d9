// The crop settings pane (see form_rmiddle.h).
#include "settings/panel/form_rmiddle.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/base/dialog_hooks.h"
#include "app/base/message_box.h"
#include "app/base/wait_cursor.h"
#include "engine/settings/settings_persistence.h"
#include "pipeline/image_pipeline.h"
#include "preview/model/image_view_model.h"
#include "settings/model/panel_ids.h"
#include "settings/panel/colour_swatch_button.h"
#include "settings/panel/noise_filter_dlg.h"
#include "settings/panel/settings_summary.h"
#include "settings/panel/spin_arrows.h"

namespace trimlet {

using namespace panel;

namespace {

PreviewPanePort* preview() { return theApp().PreviewPane; }

CropSettings storedSettings(ProfileStore* store) {
  CropSettings settings;
  if (store != nullptr) readPanelSettings(*store, settings);
  return settings;
}

}  // namespace

CFormRMiddle::CFormRMiddle(QWidget* parent, ProfileStore* store)
    : QWidget(parent),
      store_(store != nullptr ? store : theApp().Store),
      settings_(storedSettings(store_)),
      model_(settings_, *this) {
  theApp().SettingsPane = this;
  setObjectName(QString::number(kFormId));
  buildForm();
  connectControls();
  showControls();
}

CFormRMiddle::~CFormRMiddle() {
  if (store_ != nullptr) writePanelSettings(*store_, settings_);
  if (theApp().SettingsPane == this) theApp().SettingsPane = nullptr;
}

void CFormRMiddle::connectControls() {
  auto clicked = [this](int id, auto handler) {
    auto* b = static_cast<QAbstractButton*>(controls_.at(id));
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] {
      if (showing_) return;
      handler(b->isChecked());
      showControls();
    });
  };
  clicked(kAutoCropRadio, [this](bool) { model_.autoCropClicked(); });
  clicked(kManualCropRadio, [this](bool) { model_.manualCropClicked(); });
  clicked(kFixedRatioCheck, [this](bool on) { model_.fixedRatioClicked(on); });
  clicked(kFlipHorizontalCheck, [this](bool on) { model_.flipClicked(kFlipHorizontalCheck, on); });
  clicked(kFlipVerticalCheck, [this](bool on) { model_.flipClicked(kFlipVerticalCheck, on); });
  clicked(kMakeSquareCheck, [this](bool on) { model_.hiddenCheckClicked(kMakeSquareCheck, on); });
  clicked(kAutoRotationCheck,
          [this](bool on) { model_.hiddenCheckClicked(kAutoRotationCheck, on); });
  clicked(kSplitPhotosCheck, [this](bool on) { model_.splitPhotosClicked(on); });
  for (int id : {kCropColorButton, kFrameColorButton, kFillColorButton})
    clicked(id, [this, id](bool) { model_.colourButtonClicked(id); });
  clicked(kNoiseFilteringButton, [this](bool) { model_.noiseFilteringClicked(); });
  clicked(kEdgeCheck, [this](bool on) { model_.edgeClicked(on); });
  clicked(kInwardRadio, [this](bool) { model_.inwardClicked(); });
  clicked(kOutwardRadio, [this](bool) { model_.outwardClicked(); });
  clicked(kAdditiveButton, [this](bool) { model_.additiveClicked(); });
  clicked(kFixedSizeCheck, [this](bool on) { model_.fixedSizeClicked(on); });
  clicked(kSizeWidthHeightRadio, [this](bool) { model_.sizeWidthHeightClicked(); });
  clicked(kSideLengthRadio, [this](bool) { model_.sideLengthClicked(); });

  auto chosen = [this](int id, auto handler) {
    auto* c = static_cast<QComboBox*>(controls_.at(id));
    connect(c, &QComboBox::activated, this, [this, handler](int index) {
      if (showing_) return;
      handler(index);
      showControls();
    });
  };
  chosen(kEdgeSideList, [this](int i) { model_.edgeSideSelected(i); });
  chosen(kCutUnitList, [this](int i) { model_.cutUnitSelected(i); });
  chosen(kSideList, [this](int i) { model_.sideSelected(i); });

  for (auto& [id, e] : edits_) {
    const int editId = id;
    connect(e, &QLineEdit::textEdited, this,
            [this, editId](const QString& text) { model_.setText(editId, text.toStdString()); });
  }
  toleranceSpin_->onMoved([this](int value) {
    model_.spinMoved(kToleranceSpin, value);
    showControls();
  });
  cutSpin_->onMoved([this](int value) {
    model_.spinMoved(kCutValueSpin, value);
    showControls();
  });
}

bool CFormRMiddle::eventFilter(QObject* watched, QEvent* event) {
  auto* e = qobject_cast<QLineEdit*>(watched);
  if (e == nullptr || showing_) return QWidget::eventFilter(watched, event);
  const int id = e->objectName().toInt();
  if (event->type() == QEvent::FocusOut && userMovedFocus(event)) {
    model_.editLeft(id);
    showControls();
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && model_.enterPressed(id)) {
      showControls();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QWidget* CFormRMiddle::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void CFormRMiddle::showControls() {
  showing_ = true;
  const CropSettings& f = settings_;
  for (auto& [id, e] : edits_) {
    const QString text = QString::fromStdString(model_.text(id));
    if (e->text() != text) e->setText(text);
  }
  auto check = [this](int id, bool on) {
    static_cast<QAbstractButton*>(controls_.at(id))->setChecked(on);
  };
  check(kAutoCropRadio, f.croppingMode == CroppingMode::kAuto);
  check(kManualCropRadio, f.croppingMode == CroppingMode::kManual);
  check(kFixedRatioCheck, f.fixedRatio != 0);
  check(kFlipHorizontalCheck, f.flipHorizontal != 0);
  check(kFlipVerticalCheck, f.flipVertical != 0);
  check(kMakeSquareCheck, f.regularRectangle != 0);
  check(kAutoRotationCheck, f.autoRotate != 0);
  check(kSplitPhotosCheck, f.splitPhotos != 0);
  check(kEdgeCheck, f.edgeCheck != 0);
  check(kInwardRadio, f.cutDirection == CutDirection::kInward);
  check(kOutwardRadio, f.cutDirection != CutDirection::kInward);
  check(kAdditiveButton, f.additive != 0);
  check(kFixedSizeCheck, f.fixedSize != 0);
  check(kSizeWidthHeightRadio, f.sizeMode == SizeMode::kWidthHeight);
  check(kSideLengthRadio, f.sizeMode == SizeMode::kOneSide);
  auto select = [this](int id, int index) {
    auto* c = static_cast<QComboBox*>(controls_.at(id));
    c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
  };
  select(kEdgeSideList, toInt(f.edgeType));
  select(kCutUnitList, f.cutType == CutType::kPixels ? 1 : 0);
  select(kSideList, f.selSide == SelSide::kShort ? 1 : 0);
  static_cast<CColorButton*>(controls_.at(kCropColorButton))->setColour(f.backgroundColor);
  static_cast<CColorButton*>(controls_.at(kFrameColorButton))->setColour(f.fillColor);
  static_cast<CColorButton*>(controls_.at(kFillColorButton))->setColour(f.fixedColor);
  toleranceSpin_->setRange(PanelModel::toleranceSpinRange().low,
                           PanelModel::toleranceSpinRange().high);
  cutSpin_->setRange(model_.cutSpinRange().low, model_.cutSpinRange().high);
  for (auto& [id, w] : controls_) w->setEnabled(model_.enables().enabled(id));

  QString tip;
  for (const auto& [caption, value] : settingsSummary(settings_))
    tip +=
        (tip.isEmpty() ? QString() : QStringLiteral("\n")) + caption + QStringLiteral(": ") + value;
  setToolTip(tip);
  showing_ = false;
}

// --- SettingsPanelPort and SettingsPanePort ---------------------------------

GatheredSettings CFormRMiddle::gather() {
  const GatheredSettings gathered = model_.gather();
  showControls();
  return gathered;
}

void CFormRMiddle::setInwardCutLimit(int limit) {
  model_.setInwardCutLimit(limit);
  cutSpin_->setRange(model_.cutSpinRange().low, model_.cutSpinRange().high);
}

void CFormRMiddle::showFields() {
  model_.show();
  showControls();
}

void CFormRMiddle::disableAll() {
  model_.disableAll();
  showControls();
}

void CFormRMiddle::CommitControls() {
  model_.commit();
  showControls();
}

void CFormRMiddle::EnableForCurrentImage() {
  model_.enableForCurrentImage();
  if (settings_.croppingMode == CroppingMode::kAuto && preview() != nullptr) {
    preview()->SourceView().setPickMode(1);
    preview()->RepaintViews();
  }
  showControls();
}

void CFormRMiddle::EnableForMode(CroppingMode croppingMode) {
  model_.enableForMode(croppingMode);
  showControls();
}

void CFormRMiddle::InitialUpdate() {
  const FileListPort* list = theApp().ListPane;
  model_.initialUpdate(list == nullptr || list->NoFileChosen());
  if (preview() != nullptr) {
    if (settings_.croppingMode == CroppingMode::kAuto) preview()->SourceView().setPickMode(1);
    if (settings_.croppingMode == CroppingMode::kManual) preview()->SourceView().setPickMode(0);
    preview()->RepaintViews();
  }
  showControls();
}

std::vector<std::pair<QString, QString>> CFormRMiddle::shownSummary() const {
  std::vector<std::pair<QString, QString>> shown;
  for (const QString& line : toolTip().split(QLatin1Char('\n'))) {
    const int colon = line.indexOf(QStringLiteral(": "));
    shown.emplace_back(line.left(colon), line.mid(colon + 2));
  }
  return shown;
}

// --- PanelHost ------------------------------------------------------------------

void CFormRMiddle::applySettings() {
  if (preview() != nullptr) preview()->ApplySettings();
}

void CFormRMiddle::applyCrop() {
  if (preview() != nullptr) preview()->Pipeline().ApplyCrop();
}

void CFormRMiddle::applyManualRectangle() {
  if (preview() != nullptr) preview()->Pipeline().ApplyManualRectangle();
}

void CFormRMiddle::openCurrentFile() {
  if (preview() == nullptr) return;
  const std::string name = preview()->Pipeline().currentFileName();
  if (!name.empty()) preview()->OpenImage(QString::fromStdString(name));
}

bool CFormRMiddle::manualRectValid() const {
  return preview() != nullptr && preview()->Pipeline().manualRectValid();
}

int CFormRMiddle::imageWidth() const {
  return preview() != nullptr ? preview()->Pipeline().source().width() : 0;
}

int CFormRMiddle::imageHeight() const {
  return preview() != nullptr ? preview()->Pipeline().source().height() : 0;
}

CroppingMode CFormRMiddle::viewMode() const {
  if (preview() == nullptr) return settings_.croppingMode;
  return preview()->SourceView().pickMode() ? CroppingMode::kAuto : CroppingMode::kManual;
}

void CFormRMiddle::setViewMode(CroppingMode mode) {
  if (preview() == nullptr) return;
  preview()->SourceView().setPickMode(mode == CroppingMode::kAuto ? 1 : 0);
  preview()->RepaintViews();
}

void CFormRMiddle::setViewSelection(const CropRect& rect) {
  if (preview() == nullptr) return;
  preview()->SourceView().setSelectionFromCrop(rect.x, rect.y, rect.width, rect.height);
  preview()->RepaintViews();
}

void CFormRMiddle::resizeViewSelection(int width, int height) {
  if (preview() == nullptr) return;
  preview()->SourceView().fitSelectionSize(width, height);
  preview()->RepaintViews();
}

void CFormRMiddle::showMessage(const std::string& text) {
  ShowMessage(QString::fromStdString(text));
}

void CFormRMiddle::focusControl(int id) {
  if (QWidget* w = control(id)) w->setFocus(Qt::TabFocusReason);
}

bool CFormRMiddle::runNoiseFilterDialog(int& filterSize, int& threshold) {
  CNoiseFilterDlg dialog(filterSize, threshold, this);
  if (ExecDialog(dialog) != QDialog::Accepted) return false;
  filterSize = dialog.filterSize();
  threshold = dialog.threshold();
  return true;
}

bool CFormRMiddle::chooseColour(Rgb& colour) {
  QColor c(colour.red, colour.green, colour.blue);
  if (!ChooseColour(c)) return false;
  colour = Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue())};
  return true;
}

}  // namespace trimlet

// The crop settings pane (see form_rmiddle.h).
#include "settings/panel/form_rmiddle.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "engine/settings/settings_persistence.h"
#include "preview/model/image_view_model.h"
#include "settings/model/panel_ids.h"
#include "settings/panel/settings_summary.h"

namespace trimlet {

namespace {
constexpr int kSummaryColumns = 3;
}

CFormRMiddle::CFormRMiddle(QWidget* parent, ProfileStore* store)
    : QWidget(parent), store_(store != nullptr ? store : theApp().Store) {
  theApp().SettingsPane = this;
  setObjectName(QString::number(panel::kFormId));
  if (store_ != nullptr) readPanelSettings(*store_, settings_);

  // Like a form, the pane scrolls when it is smaller than its content, so it
  // never holds the frame larger than the user wants it.
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);

  auto* grid = new QGridLayout(content);
  grid->setContentsMargins(10, 6, 10, 6);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  const std::vector<SummaryLine> summary = settingsSummary(settings_);
  for (size_t i = 0; i < summary.size(); ++i) {
    auto* caption = new QLabel(summary[i].first + QStringLiteral(":"), content);
    auto* value = new QLabel(content);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const int row = static_cast<int>(i) / kSummaryColumns;
    const int column = 2 * (static_cast<int>(i) % kSummaryColumns);
    grid->addWidget(caption, row, column, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(value, row, column + 1, Qt::AlignLeft | Qt::AlignTop);
    lines_.emplace_back(caption, value);
  }
  for (int column = 0; column < kSummaryColumns; ++column) {
    grid->setColumnMinimumWidth(2 * column + 1, 150);
  }
  grid->setColumnStretch(2 * kSummaryColumns, 1);
  grid->setRowStretch(grid->rowCount(), 1);
  showFields();
}

CFormRMiddle::~CFormRMiddle() {
  if (store_ != nullptr) writePanelSettings(*store_, settings_);
  if (theApp().SettingsPane == this) theApp().SettingsPane = nullptr;
}

GatheredSettings CFormRMiddle::gather() {
  CommitControls();
  const GatheredSettings gathered = gatherSettings(settings_);
  showFields();
  return gathered;
}

void CFormRMiddle::setInwardCutLimit(int limit) {
  settings_.inwardCutLimit = normaliseInwardCutLimit(limit);
  cutSpin_ = trimlet::cutSpinRange(settings_.cutType, settings_.cutDirection,
                                   settings_.inwardCutLimit);
}

void CFormRMiddle::showFields() {
  const std::vector<SummaryLine> summary = settingsSummary(settings_);
  for (size_t i = 0; i < summary.size() && i < lines_.size(); ++i) {
    lines_[i].second->setText(summary[i].second);
  }
}

void CFormRMiddle::disableAll() {
  trimlet::disableAll(enables_);
  showEnables();
}

void CFormRMiddle::EnableForCurrentImage() {
  trimlet::enableForCurrentImage(enables_, settings_);
  if (settings_.croppingMode == CroppingMode::kAuto && theApp().PreviewPane != nullptr) {
    theApp().PreviewPane->SourceView().setPickMode(1);
    theApp().PreviewPane->RepaintViews();
  }
  showEnables();
}

void CFormRMiddle::EnableForMode(CroppingMode croppingMode) {
  trimlet::enableForMode(enables_, croppingMode, settings_);
  showEnables();
}

void CFormRMiddle::InitialUpdate() {
  showFields();
  cutSpin_ = SpinRange{0, 100};
  const FileListPort* list = theApp().ListPane;
  const bool noFile = list == nullptr || list->NoFileChosen();
  initialEnables(enables_, settings_, noFile);
  if (theApp().PreviewPane != nullptr) {
    if (settings_.croppingMode == CroppingMode::kAuto) theApp().PreviewPane->SourceView().setPickMode(1);
    if (settings_.croppingMode == CroppingMode::kManual) theApp().PreviewPane->SourceView().setPickMode(0);
    theApp().PreviewPane->RepaintViews();
  }
  showEnables();
}

std::vector<std::pair<QString, QString>> CFormRMiddle::shownSummary() const {
  std::vector<std::pair<QString, QString>> shown;
  for (const auto& line : lines_) {
    QString caption = line.first->text();
    caption.chop(1);  // the colon
    shown.emplace_back(caption, line.second->text());
  }
  return shown;
}

void CFormRMiddle::showEnables() {
  // The account greys out while no image can be shown: the pane has nothing
  // to apply its settings to.
  const bool any = enables_.enabled(panel::kAutoCropRadio);
  for (const auto& line : lines_) {
    line.first->setEnabled(any);
    line.second->setEnabled(any);
  }
}

}  // namespace trimlet

#include "manualcrop/manual_crop_dlg.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/base/dialog_hooks.h"
#include "app/base/message_box.h"
#include "app/base/wait_cursor.h"
#include "manualcrop/crop_picture.h"
#include "manualcrop/model/manual_crop_files.h"
#include "manualcrop/rotation_dial.h"
#include "output/dialogs/save_file_dlg.h"
#include "output/model/save_image.h"
#include "preview/model/read_failure_text.h"
#include "settings/model/panel_edits.h"

namespace trimlet {

namespace {

constexpr const char* kPlaceSection = "Manual Crop Window";

QPushButton* button(int id, const QString& text, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::number(id));
  b->setAccessibleName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

CManualCropDlg::CManualCropDlg(const ManualCropSetup& setup, ProfileStore* store, QWidget* parent)
    : QDialog(parent),
      setup_(setup),
      store_(store),
      name_(setup.fileName),
      quality_(setup.jpegQuality),
      rle_(setup.targaRle) {
  setObjectName(QStringLiteral("Trimlet manual cropping"));
  detector_.setTolerance(setup.tolerance);
  detector_.setFilterSize(setup.filterSize);
  detector_.setNoiseThreshold(setup.noiseThreshold);

  auto* layout = new QHBoxLayout(this);
  picture_ = new CCropPicture(this);
  picture_->setObjectName(QStringLiteral("1045"));
  picture_->setAccessibleName(QStringLiteral("Image"));
  picture_->setMinimumSize(412, 470);
  layout->addWidget(picture_, 1);

  auto* side = new QVBoxLayout;
  auto* rotation = new QGroupBox(QStringLiteral("Rotation"), this);
  auto* r = new QVBoxLayout(rotation);
  auto* degreeRow = new QHBoxLayout;
  degree_ = new QLineEdit(rotation);
  degree_->setObjectName(QStringLiteral("1046"));
  degree_->setAccessibleName(QStringLiteral("Degree"));
  degree_->setAlignment(Qt::AlignRight);
  auto* degreeLabel = new QLabel(QStringLiteral("&Degree"), rotation);
  degreeLabel->setBuddy(degree_);
  degreeRow->addWidget(degree_);
  degreeRow->addWidget(degreeLabel);
  r->addLayout(degreeRow);
  dial_ = new CRotationDial(rotation);
  dial_->setObjectName(QStringLiteral("1053"));
  dial_->setAccessibleName(QStringLiteral("Rotation dial"));
  r->addWidget(dial_, 0, Qt::AlignHCenter);
  auto* autoButton = button(1065, QStringLiteral("&Auto"), QStringLiteral("Auto"), rotation);
  auto* reset = button(1049, QStringLiteral("&Reset"), QStringLiteral("Reset"), rotation);
  r->addWidget(autoButton);
  r->addWidget(reset);
  side->addWidget(rotation);

  auto* image = new QGroupBox(QStringLiteral("Image"), this);
  auto* i = new QVBoxLayout(image);
  auto* steps = new QHBoxLayout;
  auto* previous = button(1057, QString(), QStringLiteral("Previous"), image);
  previous->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  auto* next = button(1058, QString(), QStringLiteral("Next"), image);
  next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  steps->addWidget(previous);
  steps->addWidget(next);
  i->addLayout(steps);
  auto* save = button(1050, QStringLiteral("&Save"), QStringLiteral("Save"), image);
  i->addWidget(save);
  side->addWidget(image);
  side->addStretch();
  auto* close = button(2, QStringLiteral("&Close"), QStringLiteral("Close"), this);
  side->addWidget(close);
  layout->addLayout(side);

  connect(degree_, &QLineEdit::returnPressed, this, &CManualCropDlg::Turn);
  dial_->onMoved([this](float v) { DialMoved(v); });
  dial_->onReleased([this](float v) { DialReleased(v); });
  connect(autoButton, &QPushButton::clicked, this, &CManualCropDlg::AutoTurn);
  connect(reset, &QPushButton::clicked, this, &CManualCropDlg::Reset);
  connect(previous, &QPushButton::clicked, this, [this] { Step(false); });
  connect(next, &QPushButton::clicked, this, [this] { Step(true); });
  connect(save, &QPushButton::clicked, this, &CManualCropDlg::Save);
  connect(close, &QPushButton::clicked, this, &CManualCropDlg::reject);

  if (store_ != nullptr) {
    const int w = store_->readInt(kPlaceSection, "width", 0);
    const int h = store_->readInt(kPlaceSection, "height", 0);
    if (w > 0 && h > 0) resize(w, h);
    const int x = store_->readInt(kPlaceSection, "left", -1);
    const int y = store_->readInt(kPlaceSection, "top", -1);
    if (x >= 0 && y >= 0) move(x, y);
  }
  position_ = startPosition(setup_.files, name_);
  showAngle();
  load();
}

CManualCropDlg::~CManualCropDlg() {
  if (store_ == nullptr) return;
  store_->writeInt(kPlaceSection, "left", x());
  store_->writeInt(kPlaceSection, "top", y());
  store_->writeInt(kPlaceSection, "width", width());
  store_->writeInt(kPlaceSection, "height", height());
}

void CManualCropDlg::load() {
  WaitCursor wait;
  setWindowTitle(QStringLiteral("Trimlet manual cropping - ") + QString::fromStdString(name_));
  auto loaded = loadManualSource(setup_.folder + name_, setup_.honourOrientation);
  if (!loaded) {
    source_ = ManualSource();
    turned_.reset();
    const ReadFailureText text =
        readFailureText(setup_.folder + name_, sourceFormatOf(name_), loaded.reason());
    if (text.errorCaption)
      ShowError(QString::fromStdString(text.text));
    else
      ShowMessage(QString::fromStdString(text.text));
    return;
  }
  source_ = loaded.take();
  auto copy = source_.four.clone();
  if (copy) turned_ = copy.take();
  showTurned();
}

void CManualCropDlg::showAngle() { degree_->setText(QString::fromStdString(formatReal(angle_))); }

void CManualCropDlg::showTurned() {
  picture_->SetImage(turned_, source_.fourChannel);
  picture_->RedrawBand();
}

void CManualCropDlg::Turn() {
  const std::optional<float> typed = parseReal(degree_->text().toStdString());
  if (!typed) {
    ShowMessage(QStringLiteral("Please enter a number."));
    return;
  }
  angle_ = *typed;
  if (source_.pixels.empty()) return;
  {
    WaitCursor wait;
    auto turned = turnManualSource(source_, angle_);
    if (turned) turned_ = turned.take();
    showTurned();
  }
  if (!dialRelease_) dial_->SetAngle(static_cast<int>(angle_));
  dialRelease_ = false;
}

void CManualCropDlg::DialMoved(float value) {
  if (value > 360.0f) return;
  angle_ = value;
  showAngle();
}

void CManualCropDlg::DialReleased(float value) {
  if (value > 360.0f) return;
  angle_ = value;
  showAngle();
  dialRelease_ = true;
  Turn();
}

void CManualCropDlg::AutoTurn() {
  if (source_.pixels.empty()) return;
  {
    WaitCursor wait;
    if (!detector_.detect(source_.pixels, Rgb{255, 255, 255})) return;
    DialMoved(detector_.estimateTilt());
  }
  Turn();
}

void CManualCropDlg::Reset() {
  angle_ = 0.0f;
  showAngle();
  dial_->SetAngle(0);
  WaitCursor wait;
  auto copy = source_.four.clone();
  if (copy) turned_ = copy.take();
  picture_->SetImage(turned_, source_.fourChannel);
  picture_->ClearSelection();
}

void CManualCropDlg::Step(bool next) {
  const int count = static_cast<int>(setup_.files.size());
  if (count == 0) return;
  std::optional<int> to = next ? stepNext(position_, count) : stepPrevious(position_, count);
  if (!to) {
    if (!AskOkCancel(QString::fromUtf8(next ? kNoNextFile : kNoPreviousFile))) return;
    to = next ? 0 : count - 1;
  }
  position_ = *to;
  name_ = setup_.files[position_];
  load();
  Reset();
}

void CManualCropDlg::Save() {
  const std::optional<PictureRect> cut =
      turned_.empty() ? std::nullopt
                      : cutRectangle(turned_.width(), turned_.height(), picture_->width(),
                                     picture_->height(), picture_->GetSelection());
  if (!cut) {
    ShowMessage(QString::fromUtf8(kSelectedAreaNotInImage));
    return;
  }
  auto pixels = cutOut(turned_, *cut, source_.fourChannel);
  if (!pixels) return;
  CSaveFileDlg dialog(QString::fromStdString(proposedSaveName(name_)), this);
  if (!setup_.saveFolder.isEmpty()) dialog.setDirectory(setup_.saveFolder);
  dialog.setQuality(quality_);
  dialog.setRunLength(rle_);
  if (ExecDialog(dialog) != QDialog::Accepted) return;
  WaitCursor wait;
  quality_ = dialog.quality();
  rle_ = dialog.runLength();
  const QString path = dialog.chosenPath();
  WriteOptions options;
  options.jpegQuality = quality_;
  options.targaRle = rle_;
  const auto written = saveByExtension(path.toStdString(), *pixels, options, source_.metadata);
  if (!written) return;  // an extension of no writer: nothing is written
  if (!*written) {
    ShowMessage(QString::fromStdString(writeFailureText(path.toStdString(), written->reason())));
    return;
  }
  savedFolder_ = QFileInfo(path).absolutePath() + QStringLiteral("/");
  setup_.saveFolder = savedFolder_;
}

}  // namespace trimlet

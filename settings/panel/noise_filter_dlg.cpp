#include "settings/panel/noise_filter_dlg.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/base/message_box.h"
#include "app/base/wait_cursor.h"
#include "settings/panel/spin_arrows.h"

namespace trimlet {

namespace {

constexpr int kSizeEditId = 1016;
constexpr int kSizeSpinId = 1021;
constexpr int kThresholdEditId = 1012;
constexpr int kThresholdSpinId = 1022;

QLineEdit* field(int id, const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::number(id));
  edit->setAccessibleName(name);
  edit->setFixedWidth(56);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

}  // namespace

CNoiseFilterDlg::CNoiseFilterDlg(int filterSize, int threshold, QWidget* parent)
    : QDialog(parent), model_(filterSize, threshold) {
  setWindowTitle(QStringLiteral("Noise Filtering"));
  setObjectName(QStringLiteral("Noise Filtering"));
  auto* grid = new QGridLayout(this);
  size_ = field(kSizeEditId, QStringLiteral("Filter Size"), this);
  threshold_ = field(kThresholdEditId, QStringLiteral("Threshold"), this);
  sizePosition_ = new QLineEdit(this);
  sizePosition_->hide();
  sizeSpin_ = new CSpinArrows(sizePosition_, this);
  sizeSpin_->setObjectName(QString::number(kSizeSpinId));
  sizeSpin_->setAccessibleName(QStringLiteral("Filter Size up-down"));
  sizeSpin_->setRange(0, NoiseFilterModel::kMaxPosition);
  thresholdSpin_ = new CSpinArrows(threshold_, this);
  thresholdSpin_->setObjectName(QString::number(kThresholdSpinId));
  thresholdSpin_->setAccessibleName(QStringLiteral("Threshold up-down"));

  auto* sizeLabel = new QLabel(QStringLiteral("&Filter Size:"), this);
  sizeLabel->setBuddy(size_);
  auto* thresholdLabel = new QLabel(QStringLiteral("&Threshold:"), this);
  thresholdLabel->setBuddy(threshold_);
  grid->addWidget(sizeLabel, 0, 0);
  grid->addWidget(size_, 0, 1);
  grid->addWidget(sizeSpin_, 0, 2);
  grid->addWidget(thresholdLabel, 1, 0);
  grid->addWidget(threshold_, 1, 1);
  grid->addWidget(thresholdSpin_, 1, 2);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("1"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("2"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  buttons->addStretch();
  grid->addLayout(buttons, 0, 3, 2, 1);
  connect(ok_, &QPushButton::clicked, this, &CNoiseFilterDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CNoiseFilterDlg::reject);

  sizeSpin_->onMoved([this](int position) {
    commitTexts();
    show(model_.sizeSpinMoved(position));
  });
  size_->installEventFilter(this);
  threshold_->installEventFilter(this);
  show(nullptr);
}

void CNoiseFilterDlg::commitTexts() {
  model_.setSizeText(size_->text().toStdString());
  model_.setThresholdText(threshold_->text().toStdString());
}

void CNoiseFilterDlg::show(const char* message) {
  size_->setText(QString::fromStdString(model_.sizeText()));
  threshold_->setText(QString::fromStdString(model_.thresholdText()));
  sizePosition_->setText(QString::number(model_.sizePosition()));
  thresholdSpin_->setRange(0, model_.thresholdLimit());
  if (message) ShowMessage(QString::fromUtf8(message));
}

bool CNoiseFilterDlg::eventFilter(QObject* watched, QEvent* event) {
  const bool isSize = watched == size_;
  if (event->type() == QEvent::FocusOut && userMovedFocus(event)) {
    commitTexts();
    show(isSize ? model_.sizeLeft() : model_.thresholdLeft());
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      commitTexts();
      bool stays = false;
      const char* message = isSize ? model_.sizeEnter(stays) : model_.thresholdEnter(stays);
      if (!stays) (isSize ? threshold_ : size_)->setFocus(Qt::OtherFocusReason);
      show(message);
      accept();  // Enter then presses OK
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CNoiseFilterDlg::accept() {
  commitTexts();
  const char* message = model_.ok();
  if (message) {
    show(message);
    return;
  }
  show(nullptr);
  QDialog::accept();
}

void CNoiseFilterDlg::reject() {
  model_.cancel();
  show(nullptr);
  QDialog::reject();
}

}  // namespace trimlet

#include "settings/panel/spin_arrows.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace trimlet {

namespace {

QToolButton* arrow(Qt::ArrowType type, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(type);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(16, 11);
  return button;
}

}  // namespace

CSpinArrows::CSpinArrows(QLineEdit* buddy, QWidget* parent) : QWidget(parent), buddy_(buddy) {
  setFocusPolicy(Qt::TabFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = arrow(Qt::UpArrow, this);
  down_ = arrow(Qt::DownArrow, this);
  up_->setAccessibleName(QStringLiteral("Up"));
  down_->setAccessibleName(QStringLiteral("Down"));
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, [this] { step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void CSpinArrows::setRange(int low, int high) {
  low_ = low;
  high_ = std::max(low, high);
}

void CSpinArrows::step(int direction) {
  bool ok = false;
  int value = buddy_->text().trimmed().toInt(&ok);
  if (!ok) value = low_;
  value = std::clamp(value + direction, low_, high_);
  buddy_->setText(QString::number(value));
  if (moved_) moved_(value);
}

void CSpinArrows::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    step(1);
  } else if (event->key() == Qt::Key_Down) {
    step(-1);
  } else {
    QWidget::keyPressEvent(event);
  }
}

}  // namespace trimlet

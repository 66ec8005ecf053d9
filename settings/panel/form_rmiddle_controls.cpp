// Building the crop settings form: its four groups and their controls, with
// the ids, texts, list items and accessible names of the form (see
// form_rmiddle.h).
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "settings/model/panel_ids.h"
#include "settings/panel/colour_swatch_button.h"
#include "settings/panel/form_rmiddle.h"
#include "settings/panel/spin_arrows.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initPanelPictures() { Q_INIT_RESOURCE(panel_pictures); }

namespace trimlet {

using namespace panel;

namespace {

// A group frame: a sunken outline around a grid.
QFrame* group(QWidget* parent, QGridLayout*& grid) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFrameShadow(QFrame::Sunken);
  grid = new QGridLayout(frame);
  grid->setContentsMargins(3, 2, 3, 3);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(1);
  return frame;
}

QLabel* label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QLabel* picture(const QString& resource, QWidget* parent, QSize size) {
  auto* l = new QLabel(parent);
  l->setPixmap(QPixmap(resource));
  l->setScaledContents(true);
  l->setFixedSize(size);
  return l;
}

}  // namespace

QLineEdit* CFormRMiddle::edit(int id, const QString& name, int width) {
  auto* e = new QLineEdit(this);
  e->setObjectName(QString::number(id));
  e->setAccessibleName(name);
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(width);
  e->installEventFilter(this);
  controls_[id] = e;
  edits_[id] = e;
  return e;
}

QComboBox* CFormRMiddle::list(int id, const QString& name, const QStringList& items) {
  auto* c = new QComboBox(this);
  c->setObjectName(QString::number(id));
  c->setAccessibleName(name);
  c->addItems(items);
  c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  controls_[id] = c;
  return c;
}

template <typename Button>
Button* CFormRMiddle::button(int id, const QString& text, const QString& name) {
  auto* b = new Button(text, this);
  b->setObjectName(QString::number(id));
  QString accessible = name.isEmpty() ? text : name;
  accessible.remove(QLatin1Char('&'));
  b->setAccessibleName(accessible);
  controls_[id] = b;
  return b;
}

CColorButton* CFormRMiddle::swatch(int id, const QString& name) {
  auto* b = new CColorButton(this);
  b->setObjectName(QString::number(id));
  b->setAccessibleName(name);
  controls_[id] = b;
  return b;
}

void CFormRMiddle::buildForm() {
  static const bool pictures = (initPanelPictures(), true);
  (void)pictures;
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* content = new QWidget(scroll);
  scroll->setWidget(content);
  // Like the form's own small dialog font: the whole form fits the pane of a
  // 1024 x 768 screen.
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  setFont(small);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(3);

  // The manual group, titled by its radio button: the rectangle on the left,
  // the ratio and the rotation on the right, the flips below both.
  QGridLayout* m = nullptr;
  row->addWidget(group(content, m));
  m->addWidget(button<QRadioButton>(kManualCropRadio, QStringLiteral("Manual Crop")), 0, 0, 1, 5);
  m->addWidget(picture(QStringLiteral(":/settings/glyph_180.png"), content, {12, 12}), 1, 0);
  m->addWidget(label(QStringLiteral("X:"), content), 1, 1);
  m->addWidget(edit(kCropXEdit, QStringLiteral("Crop X"), 32), 1, 2);
  m->addWidget(label(QStringLiteral("Y:"), content), 1, 3);
  m->addWidget(edit(kCropYEdit, QStringLiteral("Crop Y"), 32), 1, 4);
  m->addWidget(picture(QStringLiteral(":/settings/glyph_181.png"), content, {12, 12}), 2, 0);
  m->addWidget(label(QStringLiteral("W:"), content), 2, 1);
  m->addWidget(edit(kCropWidthEdit, QStringLiteral("Crop W"), 32), 2, 2);
  m->addWidget(label(QStringLiteral("H:"), content), 2, 3);
  m->addWidget(edit(kCropHeightEdit, QStringLiteral("Crop H"), 32), 2, 4);
  m->addWidget(picture(QStringLiteral(":/settings/separator_176.png"), content, {2, 46}), 0, 5, 3,
               1);
  m->addWidget(button<QCheckBox>(kFixedRatioCheck, QStringLiteral("Fixed Ratio")), 0, 6, 1, 4);
  m->addWidget(label(QStringLiteral("W:"), content), 1, 6);
  m->addWidget(edit(kRatioWidthEdit, QStringLiteral("Ratio W"), 28), 1, 7);
  m->addWidget(label(QStringLiteral("H:"), content), 1, 8);
  m->addWidget(edit(kRatioHeightEdit, QStringLiteral("Ratio H"), 28), 1, 9);
  auto* rotation = new QHBoxLayout;
  rotation->setSpacing(3);
  rotation->addWidget(label(QStringLiteral("Rotation:"), content));
  rotation->addWidget(edit(kRotationEdit, QStringLiteral("Rotation"), 36));
  rotation->addWidget(label(QStringLiteral("deg."), content));
  m->addLayout(rotation, 2, 6, 1, 4);
  auto* flips = new QHBoxLayout;
  flips->setSpacing(3);
  flips->addWidget(label(QStringLiteral("Flip:"), content));
  flips->addWidget(button<QCheckBox>(kFlipHorizontalCheck, QStringLiteral("Horizontal")));
  flips->addWidget(button<QCheckBox>(kFlipVerticalCheck, QStringLiteral("Vertical")));
  flips->addStretch();
  m->addLayout(flips, 3, 0, 1, 10);
  // Not shown: the square option the preview stores for the panel.
  auto* square = button<QCheckBox>(kMakeSquareCheck, QStringLiteral("Make Square"));
  square->hide();

  // The auto group, titled by its radio button.
  QGridLayout* a = nullptr;
  row->addWidget(group(content, a));
  a->addWidget(button<QRadioButton>(kAutoCropRadio, QStringLiteral("Auto Crop")), 0, 0, 1, 3);
  // The photo options beside the crop colour and the tolerance.
  a->addWidget(button<QCheckBox>(kAutoRotationCheck, QStringLiteral("Auto Rotation")), 1, 3);
  a->addWidget(button<QCheckBox>(kSplitPhotosCheck, QStringLiteral("Split Photos")), 2, 3);
  a->addWidget(label(QStringLiteral("Crop Color:"), content), 1, 0);
  a->addWidget(swatch(kCropColorButton, QStringLiteral("Crop Color")), 1, 1, 1, 2, Qt::AlignLeft);
  a->addWidget(label(QStringLiteral("Tolerance:"), content), 2, 0);
  QLineEdit* tolerance = edit(kToleranceEdit, QStringLiteral("Tolerance"), 28);
  toleranceSpin_ = new CSpinArrows(tolerance, content);
  toleranceSpin_->setObjectName(QString::number(kToleranceSpin));
  toleranceSpin_->setAccessibleName(QStringLiteral("Tolerance up-down"));
  controls_[kToleranceSpin] = toleranceSpin_;
  a->addWidget(tolerance, 2, 1);
  a->addWidget(toleranceSpin_, 2, 2);
  a->addWidget(button<QPushButton>(kNoiseFilteringButton, QStringLiteral("Noise Filtering")), 3, 0,
               1, 3);

  // The options frame: "Crop / Add Edge" and "Fixed Size".
  QGridLayout* e = nullptr;
  row->addWidget(group(content, e));
  e->addWidget(button<QCheckBox>(kEdgeCheck, QStringLiteral("Crop / Add Edge")), 0, 0, 1, 4);
  auto* amount = new QHBoxLayout;
  amount->setSpacing(2);
  amount->addWidget(list(kEdgeSideList, QStringLiteral("Side"),
                         {QStringLiteral("All"), QStringLiteral("Left"), QStringLiteral("Right"),
                          QStringLiteral("Top"), QStringLiteral("Bottom")}));
  QLineEdit* cut = edit(kCutValueEdit, QStringLiteral("Cut Value"), 32);
  cutSpin_ = new CSpinArrows(cut, content);
  cutSpin_->setObjectName(QString::number(kCutValueSpin));
  cutSpin_->setAccessibleName(QStringLiteral("Cut Value up-down"));
  controls_[kCutValueSpin] = cutSpin_;
  amount->addWidget(cut);
  amount->addWidget(cutSpin_);
  // The unit list sorts its items: "%" before "Pixel".
  amount->addWidget(
      list(kCutUnitList, QStringLiteral("Unit"), {QStringLiteral("%"), QStringLiteral("Pixel")}));
  amount->addStretch();
  e->addLayout(amount, 1, 0, 1, 4);
  auto* frame = new QHBoxLayout;
  frame->setSpacing(3);
  frame->addWidget(label(QStringLiteral("Frame Color:"), content));
  frame->addWidget(swatch(kFrameColorButton, QStringLiteral("Frame Color")));
  frame->addStretch();
  auto* additive = button<QPushButton>(kAdditiveButton, QStringLiteral("Additive"));
  additive->setCheckable(true);
  additive->setMaximumWidth(64);
  frame->addWidget(additive);
  e->addLayout(frame, 2, 0, 1, 4);
  auto* direction = new QHBoxLayout;
  direction->setSpacing(3);
  direction->addWidget(label(QStringLiteral("Direction:"), content));
  auto* inward = button<QRadioButton>(kInwardRadio, QStringLiteral("Inward"));
  auto* outward = button<QRadioButton>(kOutwardRadio, QStringLiteral("Outward"));
  auto* directionGroup = new QWidget(content);
  auto* directionRow = new QHBoxLayout(directionGroup);
  directionRow->setContentsMargins(0, 0, 0, 0);
  directionRow->addWidget(inward);
  directionRow->addWidget(outward);
  direction->addWidget(directionGroup);
  direction->addStretch();
  e->addLayout(direction, 3, 0, 1, 4);

  QGridLayout* f = nullptr;
  row->addWidget(group(content, f));
  f->addWidget(button<QCheckBox>(kFixedSizeCheck, QStringLiteral("Fixed Size")), 0, 0, 1, 5);
  auto* byWidth =
      button<QRadioButton>(kSizeWidthHeightRadio, QString(), QStringLiteral("Width and Height"));
  auto* bySide = button<QRadioButton>(kSideLengthRadio, QString(), QStringLiteral("Side Length"));
  f->addWidget(byWidth, 1, 0);
  f->addWidget(label(QStringLiteral("W:"), content), 1, 1);
  f->addWidget(edit(kFixedWidthEdit, QStringLiteral("Fixed W"), 32), 1, 2);
  f->addWidget(label(QStringLiteral("H:"), content), 1, 3);
  f->addWidget(edit(kFixedHeightEdit, QStringLiteral("Fixed H"), 32), 1, 4);
  f->addWidget(bySide, 2, 0);
  auto* side = new QHBoxLayout;
  side->setSpacing(3);
  side->addWidget(list(kSideList, QStringLiteral("Long or Short"),
                       {QStringLiteral("Long"), QStringLiteral("Short")}));
  side->addWidget(edit(kSidePixelEdit, QStringLiteral("Pixels"), 32));
  side->addWidget(label(QStringLiteral("pixels"), content));
  f->addLayout(side, 2, 1, 1, 4);
  f->addWidget(label(QStringLiteral("Fill Color:"), content), 3, 0, 1, 2);
  f->addWidget(swatch(kFillColorButton, QStringLiteral("Fill Color")), 3, 2, 1, 3, Qt::AlignLeft);
  row->addStretch();

  // The radios of one group: the modes, the directions, the size modes.
  for (QWidget* w : {controls_[kManualCropRadio], controls_[kAutoCropRadio]})
    static_cast<QRadioButton*>(w)->setAutoExclusive(false);
  for (QWidget* w : {controls_[kInwardRadio], controls_[kOutwardRadio],
                     controls_[kSizeWidthHeightRadio], controls_[kSideLengthRadio]})
    static_cast<QRadioButton*>(w)->setAutoExclusive(false);
}

}  // namespace trimlet

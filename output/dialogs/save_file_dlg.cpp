#include "output/dialogs/save_file_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace trimlet {

namespace {

QLabel* staticText(int id, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::number(id));
  return l;
}

}  // namespace

QStringList saveNameFilters() {
  QStringList filters;
  for (const SaveFileType& type : saveFileTypes())
    filters << QString::fromLatin1(type.description) + QStringLiteral("(") +
                   QString::fromLatin1(type.pattern) + QStringLiteral(")");
  return filters;
}

CSaveFileDlg::CSaveFileDlg(const QString& initialName, QWidget* parent) : QFileDialog(parent) {
  setObjectName(QStringLiteral("save file dialog"));
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setNameFilters(saveNameFilters());
  setDefaultSuffix(QStringLiteral("tga"));
  selectFile(initialName);

  auto* options = new QWidget(this);
  auto* row = new QHBoxLayout(options);
  row->setContentsMargins(0, 0, 0, 0);
  label_ = staticText(1001, QStringLiteral("Static"), options);
  row->addWidget(label_);
  qualityControls_ = new QWidget(options);
  auto* quality = new QHBoxLayout(qualityControls_);
  quality->setContentsMargins(0, 0, 0, 0);
  quality->addWidget(staticText(1004, QStringLiteral("Quality"), qualityControls_));
  value_ = staticText(1024, QStringLiteral("999"), qualityControls_);
  value_->setMinimumWidth(28);
  value_->setAccessibleName(QStringLiteral("Quality value"));
  quality->addWidget(value_);
  quality->addWidget(staticText(1003, QStringLiteral("0"), qualityControls_));
  slider_ = new QSlider(Qt::Horizontal, qualityControls_);
  slider_->setObjectName(QStringLiteral("1019"));
  slider_->setAccessibleName(QStringLiteral("Image quality"));
  slider_->setRange(0, 100);
  slider_->setMinimumWidth(160);
  quality->addWidget(slider_);
  quality->addWidget(staticText(1002, QStringLiteral("100"), qualityControls_));
  row->addWidget(qualityControls_);
  runLengthBox_ = new QCheckBox(QStringLiteral("Run Length Encoding"), options);
  runLengthBox_->setObjectName(QStringLiteral("1023"));
  runLengthBox_->setAccessibleName(QStringLiteral("Run Length Encoding"));
  row->addWidget(runLengthBox_);
  row->addStretch();
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(options, grid->rowCount(), 0, 1, grid->columnCount());

  connect(slider_, &QSlider::valueChanged, this, [this](int position) {
    quality_ = position;
    value_->setText(QString::number(position));
  });
  connect(runLengthBox_, &QCheckBox::clicked, this, [this] {
    runLength_ = !runLength_;
    runLengthBox_->setChecked(runLength_);
  });
  connect(this, &QFileDialog::filterSelected, this, &CSaveFileDlg::chooseType);
  // The non-native dialog's file type list: its choice, however it is made
  // (mouse, keys), switches the panel.
  if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
    connect(types, &QComboBox::currentIndexChanged, this, [this](int index) {
      panel_.chooseType(index + 1);
      showPanel();
    });
  }
  selectNameFilter(saveNameFilters().first());
  panel_.chooseType(1);
  showPanel();
  setQuality(quality_);
}

void CSaveFileDlg::setQuality(int quality) {
  quality_ = quality;
  slider_->setValue(quality);
  value_->setText(QString::number(quality));
}

void CSaveFileDlg::setRunLength(bool on) {
  runLength_ = on;
  runLengthBox_->setChecked(on);
}

QString CSaveFileDlg::chosenPath() const {
  const QStringList files = selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void CSaveFileDlg::chooseType(const QString& filter) {
  panel_.chooseType(saveNameFilters().indexOf(filter) + 1);
  showPanel();
}

void CSaveFileDlg::showPanel() {
  label_->setVisible(panel_.labelShown());
  label_->setText(QString::fromLatin1(panel_.labelText()));
  qualityControls_->setVisible(panel_.qualityShown());
  runLengthBox_->setVisible(panel_.runLengthShown());
}

}  // namespace trimlet

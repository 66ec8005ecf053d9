#include "output/dialogs/output_format_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "output/model/output_format_choice.h"

namespace trimlet {

COutputFormatDlg::COutputFormatDlg(OutputFormat format, int quality, bool runLength,
                                   QWidget* parent, bool lossless)
    : QDialog(parent),
      format_(format),
      quality_(quality),
      runLength_(runLength),
      lossless_(lossless) {
  setWindowTitle(QStringLiteral("Output image format"));
  setObjectName(QStringLiteral("Output image format"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  const std::pair<int, const char*> entries[] = {{1030, "JPEG (JPG)"},
                                                 {1031, "Truevision Targa (TGA)"},
                                                 {1032, "Windows Bitmap (BMP)"},
                                                 {1017, "Portable Network Image (PNG)"},
                                                 {1033, "Same as source format"}};
  const OutputFormat formats[] = {OutputFormat::kJpeg, OutputFormat::kTarga, OutputFormat::kBitmap,
                                  OutputFormat::kPng, OutputFormat::kSame};
  for (int i = 0; i < 5; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(entries[i].second), this);
    radio->setObjectName(QString::number(entries[i].first));
    radio->setAccessibleName(radio->text());
    radio->setChecked(formats[i] == format);
    group->addButton(radio);
    layout->addWidget(radio);
    radios_.emplace_back(radio, formats[i]);
    const OutputFormat f = formats[i];
    connect(radio, &QRadioButton::clicked, this, [this, f] { enableFor(f); });
  }
  auto* quality_box = new QGridLayout;
  quality_box->addWidget(new QLabel(QStringLiteral("Quality"), this), 0, 0);
  value_ = new QLabel(QString::number(quality), this);
  value_->setObjectName(QStringLiteral("1024"));
  value_->setAccessibleName(QStringLiteral("Quality value"));
  quality_box->addWidget(value_, 0, 1);
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName(QStringLiteral("1019"));
  slider_->setAccessibleName(QStringLiteral("Image quality"));
  slider_->setTickPosition(QSlider::NoTicks);
  slider_->setRange(0, 100);
  slider_->setValue(quality);
  quality_box->addWidget(new QLabel(QStringLiteral("0"), this), 1, 0);
  quality_box->addWidget(slider_, 1, 1);
  quality_box->addWidget(new QLabel(QStringLiteral("100"), this), 1, 2);
  layout->addLayout(quality_box);
  runLengthBox_ = new QCheckBox(QStringLiteral("Run Length Encoding"), this);
  runLengthBox_->setObjectName(QStringLiteral("1023"));
  runLengthBox_->setAccessibleName(QStringLiteral("Run Length Encoding"));
  runLengthBox_->setChecked(runLength);
  layout->addWidget(runLengthBox_);
  losslessBox_ = new QCheckBox(QStringLiteral("Lossless JPEG"), this);
  losslessBox_->setObjectName(QStringLiteral("1025"));
  losslessBox_->setAccessibleName(QStringLiteral("Lossless JPEG"));
  losslessBox_->setToolTip(
      QStringLiteral("JPEG results that are only cut keep the source's picture data"));
  losslessBox_->setChecked(lossless);
  layout->addWidget(losslessBox_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &COutputFormatDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &COutputFormatDlg::reject);
  connect(slider_, &QSlider::valueChanged, this,
          [this](int position) { value_->setText(QString::number(position)); });
  enableFor(format);
}

void COutputFormatDlg::enableFor(OutputFormat format) {
  const FormatControls c = formatControls(format);
  slider_->setEnabled(c.quality);
  value_->setEnabled(c.quality);
  runLengthBox_->setEnabled(c.runLength);
  losslessBox_->setEnabled(c.quality);
}

OutputFormat COutputFormatDlg::checkedFormat() const {
  for (const auto& [radio, format] : radios_)
    if (radio->isChecked()) return format;
  return format_;
}

void COutputFormatDlg::accept() {
  format_ = checkedFormat();
  quality_ = slider_->value();
  runLength_ = runLengthBox_->isChecked();
  lossless_ = losslessBox_->isChecked();
  QDialog::accept();
}

}  // namespace trimlet

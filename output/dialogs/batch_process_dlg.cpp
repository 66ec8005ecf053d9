#include "output/dialogs/batch_process_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <filesystem>

#include "app/base/dialog_hooks.h"
#include "app/base/message_box.h"
#include "output/batch/folder_scan.h"
#include "output/dialogs/batch_dialogs.h"
#include "output/dialogs/bitmap_button.h"
#include "output/dialogs/output_format_dlg.h"
#include "output/model/output_format_choice.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void initOutputPictures() { Q_INIT_RESOURCE(output_dialogs); }

namespace trimlet {

namespace {

// The folder checks of OK against the real file system and message boxes.
class FolderHost : public BatchFolderHost {
 public:
  bool folderExists(const std::string& path) override {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
  }
  bool createFolder(const std::string& path) override {
    std::error_code ec;
    return std::filesystem::create_directory(path, ec);
  }
  bool askYesNo(const std::string& text) override { return AskYesNo(QString::fromStdString(text)); }
  void showMessage(const std::string& text) override { ShowMessage(QString::fromStdString(text)); }
};

QLineEdit* folderEdit(int id, const QString& name, const std::string& text, QWidget* parent) {
  auto* e = new QLineEdit(QString::fromStdString(text), parent);
  e->setObjectName(QString::number(id));
  e->setAccessibleName(name);
  e->setMinimumWidth(300);
  return e;
}

}  // namespace

CBatchProcessDlg::CBatchProcessDlg(const BatchOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  static const bool pictures = (initOutputPictures(), true);
  (void)pictures;
  setWindowTitle(QStringLiteral("Trimlet batch process"));
  setObjectName(QStringLiteral("Trimlet batch process"));
  auto* layout = new QVBoxLayout(this);

  auto* folders = new QGroupBox(QStringLiteral("Directory Setting"), this);
  auto* grid = new QGridLayout(folders);
  source_ = folderEdit(1004, QStringLiteral("Source Directory"), options.source, folders);
  output_ = folderEdit(1003, QStringLiteral("Output Directory"), options.output, folders);
  auto browseButton = [&](int id, const QString& name, QLineEdit* edit) {
    auto* b = new CBitmapButton(folders);
    b->setObjectName(QString::number(id));
    b->setAccessibleName(name);
    b->setPicture(QStringLiteral(":/output/browse_26600.png"), 15, 15, qRgb(0, 128, 128));
    connect(b, &CBitmapButton::clicked, this, [this, edit] { browse(edit); });
    return b;
  };
  auto* sourceLabel = new QLabel(QStringLiteral("Source Directory:"), folders);
  sourceLabel->setBuddy(source_);
  auto* outputLabel = new QLabel(QStringLiteral("Output Directory:"), folders);
  outputLabel->setBuddy(output_);
  grid->addWidget(sourceLabel, 0, 0);
  grid->addWidget(source_, 0, 1);
  grid->addWidget(browseButton(1005, QStringLiteral("Browse Source Directory"), source_), 0, 2);
  grid->addWidget(outputLabel, 1, 0);
  grid->addWidget(output_, 1, 1);
  grid->addWidget(browseButton(1006, QStringLiteral("Browse Output Directory"), output_), 1, 2);
  layout->addWidget(folders);

  auto* names = new QGroupBox(QStringLiteral("Output Image File Option"), this);
  auto* g = new QGridLayout(names);
  affix_ = folderEdit(1009, QStringLiteral("Filename Prefix/Postfix"), std::string(), names);
  affix_->setMinimumWidth(120);
  auto* affixLabel = new QLabel(QStringLiteral("Filename Prefix/Postfix:"), names);
  affixLabel->setBuddy(affix_);
  g->addWidget(affixLabel, 0, 0);
  g->addWidget(affix_, 0, 1);
  prefix_ = new QRadioButton(QStringLiteral("Prefix"), names);
  prefix_->setObjectName(QStringLiteral("1043"));
  prefix_->setAccessibleName(QStringLiteral("Prefix"));
  prefix_->setChecked(true);
  postfix_ = new QRadioButton(QStringLiteral("Postfix"), names);
  postfix_->setObjectName(QStringLiteral("1044"));
  postfix_->setAccessibleName(QStringLiteral("Postfix"));
  g->addWidget(prefix_, 0, 2);
  g->addWidget(postfix_, 0, 3);
  subfolders_ = new QCheckBox(QStringLiteral("&Include subfolders"), names);
  subfolders_->setObjectName(QStringLiteral("1051"));
  subfolders_->setAccessibleName(QStringLiteral("Include subfolders"));
  g->addWidget(subfolders_, 1, 0, 1, 2);
  format_ = new QPushButton(QString::fromStdString(formatCaption(options.format)), names);
  format_->setObjectName(QStringLiteral("1055"));
  format_->setAccessibleName(QStringLiteral("Image File Format"));
  format_->setAutoDefault(false);
  auto* formatLabel = new QLabel(QStringLiteral("Image File Format:"), names);
  formatLabel->setBuddy(format_);
  g->addWidget(formatLabel, 2, 0);
  g->addWidget(format_, 2, 1);
  connect(format_, &QPushButton::clicked, this, &CBatchProcessDlg::chooseFormat);
  layout->addWidget(names);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CBatchProcessDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CBatchProcessDlg::reject);
  layout->addWidget(buttons);
}

void CBatchProcessDlg::browse(QLineEdit* edit) {
  CSelectDirDlg dialog(edit->text(), this);
  if (ExecDialog(dialog) != QDialog::Accepted) return;
  QString path = dialog.path();
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  edit->setText(path);
}

void CBatchProcessDlg::chooseFormat() {
  COutputFormatDlg dialog(options_.format, options_.quality, options_.runLength, this,
                          options_.lossless);
  if (ExecDialog(dialog) != QDialog::Accepted) return;
  options_.format = dialog.format();
  options_.quality = dialog.quality();
  options_.runLength = dialog.runLength();
  options_.lossless = dialog.lossless();
  format_->setText(QString::fromStdString(formatCaption(options_.format)));
}

void CBatchProcessDlg::accept() {
  FolderHost host;
  const auto folders =
      checkBatchFolders(source_->text().toStdString(), output_->text().toStdString(), host);
  source_->setText(QString::fromStdString(withTrailingSlash(source_->text().toStdString())));
  if (!folders) return;
  options_.source = folders->source;
  options_.output = folders->output;
  output_->setText(QString::fromStdString(folders->output));
  options_.affix = affix_->text().toStdString();
  options_.postfix = postfix_->isChecked();
  options_.includeSubfolders = subfolders_->isChecked();
  QDialog::accept();
}

}  // namespace trimlet

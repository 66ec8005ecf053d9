#include "output/dialogs/batch_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/base/dialog_hooks.h"
#include "browser/shell_folder_tree.h"

namespace trimlet {

namespace {

QPushButton* pushButton(int id, const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::number(id));
  QString name = text;
  name.remove(QLatin1Char('&'));
  b->setAccessibleName(name);
  b->setAutoDefault(false);
  return b;
}

QDialogButtonBox* okCancel(QDialog* dialog, bool cancel = true) {
  auto* buttons = new QDialogButtonBox(
      cancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok, dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
  if (cancel) buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

// --- Select Directory -------------------------------------------------------

CSelectDirDlg::CSelectDirDlg(const QString& path, QWidget* parent) : QDialog(parent), path_(path) {
  setWindowTitle(QStringLiteral("Select Directory"));
  setObjectName(QStringLiteral("Select Directory"));
  auto* layout = new QVBoxLayout(this);
  tree_ = new CShellFolderTree(this);
  tree_->setObjectName(QStringLiteral("1015"));
  tree_->setAccessibleName(QStringLiteral("Folders"));
  tree_->BuildRoots(false);
  layout->addWidget(tree_);
  layout->addWidget(okCancel(this));
  resize(360, 420);
  if (!path.isEmpty()) tree_->SelectPath(path);
}

void CSelectDirDlg::accept() {
  path_ = tree_->ItemPath(tree_->currentItem());
  QDialog::accept();
}

// --- Progress -----------------------------------------------------------------

CBatchProgressDlg::CBatchProgressDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Trimlet batch progressing"));
  setObjectName(QStringLiteral("Trimlet batch progressing"));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("1008"));
  status_->setAlignment(Qt::AlignCenter);
  status_->setMinimumWidth(320);
  status_->setAccessibleName(QStringLiteral("Status"));
  layout->addWidget(status_);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("1007"));
  bar_->setAccessibleName(QStringLiteral("Progress"));
  layout->addWidget(bar_);
  cancel_ = pushButton(2, QStringLiteral("Cancel"), this);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(cancel_);
  row->addStretch();
  layout->addLayout(row);
}

void CBatchProgressDlg::setRange(int total) {
  bar_->setRange(0, total);
  bar_->setValue(1);
}

void CBatchProgressDlg::setStatus(const QString& text, int position) {
  status_->setText(text);
  status_->repaint();
  bar_->setValue(position);
}

// --- Overwrite warning ----------------------------------------------------------

COverwriteDlg::COverwriteDlg(const QString& shownName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Trimlet warning"));
  setObjectName(QStringLiteral("Trimlet warning"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(shownName, this);
  name->setObjectName(QStringLiteral("1033"));
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);
  layout->addWidget(new QLabel(QStringLiteral("already exists. Overwrite?"), this), 0,
                    Qt::AlignCenter);
  all_ = new QCheckBox(QStringLiteral("&All"), this);
  all_->setObjectName(QStringLiteral("1034"));
  all_->setAccessibleName(QStringLiteral("All"));
  layout->addWidget(all_, 0, Qt::AlignCenter);
  auto* row = new QHBoxLayout;
  auto* overwrite = pushButton(1029, QStringLiteral("&Overwrite"), this);
  auto* skip = pushButton(1030, QStringLiteral("&Skip"), this);
  rename_ = pushButton(1031, QStringLiteral("&Rename"), this);
  row->addWidget(overwrite);
  row->addWidget(skip);
  row->addWidget(rename_);
  layout->addLayout(row);
  connect(all_, &QCheckBox::toggled, this, [this](bool on) { rename_->setEnabled(!on); });
  connect(overwrite, &QPushButton::clicked, this,
          [this] { answer(OverwriteChoice::kOverwrite, OverwriteChoice::kOverwriteAll); });
  connect(skip, &QPushButton::clicked, this,
          [this] { answer(OverwriteChoice::kSkip, OverwriteChoice::kSkipAll); });
  connect(rename_, &QPushButton::clicked, this,
          [this] { answer(OverwriteChoice::kRename, OverwriteChoice::kRename); });
}

void COverwriteDlg::answer(OverwriteChoice single, OverwriteChoice all) {
  choice_ = all_->isChecked() ? all : single;
  accept();
}

// --- New filename -----------------------------------------------------------------

CNewFilenameDlg::CNewFilenameDlg(const QString& path, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("New Filename"));
  setObjectName(QStringLiteral("New Filename"));
  auto* layout = new QVBoxLayout(this);
  edit_ = new QLineEdit(path, this);
  edit_->setObjectName(QStringLiteral("1035"));
  edit_->setAccessibleName(QStringLiteral("New Filename"));
  edit_->setMinimumWidth(360);
  layout->addWidget(edit_);
  layout->addWidget(okCancel(this, false));
}

QString CNewFilenameDlg::path() const { return edit_->text(); }

// --- The prompt -------------------------------------------------------------------

OverwriteChoice DialogOverwritePrompt::askOverwrite(const std::string& shownName,
                                                    const std::string&) {
  COverwriteDlg dialog(QString::fromStdString(shownName), parent_);
  if (ExecDialog(dialog) != QDialog::Accepted) return OverwriteChoice::kNone;
  return dialog.choice();
}

bool DialogOverwritePrompt::askNewName(std::string& path) {
  for (;;) {
    CNewFilenameDlg dialog(QString::fromStdString(path), parent_);
    if (ExecDialog(dialog) == QDialog::Accepted) {
      path = dialog.path().toStdString();
      return true;
    }
  }
}

}  // namespace trimlet

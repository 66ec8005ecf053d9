#pragma once
// The small dialogs of the window's batch.
//
//   CSelectDirDlg       "Select Directory": the folder tree (1015), OK and
//                       Cancel; opens at its path, OK takes the selected
//                       folder's path.
//   CBatchProgressDlg   "Trimlet batch progressing": the status text (1008,
//                       centred), the bar (1007) and Cancel (2). Modal while
//                       the batch runs; Cancel (or Escape) asks the batch to
//                       stop after the file at hand.
//   COverwriteDlg       "Trimlet warning": the target's shown name (1033),
//                       "already exists. Overwrite?", "&All" (1034) and
//                       "&Overwrite" (1029), "&Skip" (1030), "&Rename" (1031);
//                       "&Rename" is enabled exactly while "&All" is clear.
//                       Closed without one of the three, the choice is none.
//   CNewFilenameDlg     "New Filename": the new full path (1035) and OK.
//   DialogOverwritePrompt  the batch's OverwritePrompt over the last two; the
//                       new-filename dialog is shown again until OK.

#include <QDialog>

#include "output/batch/overwrite_check.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace trimlet {

class CShellFolderTree;

class CSelectDirDlg : public QDialog {
 public:
  CSelectDirDlg(const QString& path, QWidget* parent);
  QString path() const { return path_; }
  CShellFolderTree* tree() const { return tree_; }
  void accept() override;

 private:
  QString path_;
  CShellFolderTree* tree_;
};

class CBatchProgressDlg : public QDialog {
 public:
  explicit CBatchProgressDlg(QWidget* parent);
  void setRange(int total);
  void setStatus(const QString& text, int position);
  bool cancelled() const { return cancelled_; }
  QPushButton* cancelButton() const { return cancel_; }
  QLabel* statusLabel() const { return status_; }
  QProgressBar* bar() const { return bar_; }
  void reject() override { cancelled_ = true; }

 private:
  QLabel* status_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

class COverwriteDlg : public QDialog {
 public:
  COverwriteDlg(const QString& shownName, QWidget* parent);
  OverwriteChoice choice() const { return choice_; }

 private:
  void answer(OverwriteChoice single, OverwriteChoice all);

  QCheckBox* all_;
  QPushButton* rename_;
  OverwriteChoice choice_ = OverwriteChoice::kNone;
};

class CNewFilenameDlg : public QDialog {
 public:
  CNewFilenameDlg(const QString& path, QWidget* parent);
  QString path() const;

 private:
  QLineEdit* edit_;
};

class DialogOverwritePrompt : public OverwritePrompt {
 public:
  explicit DialogOverwritePrompt(QWidget* parent) : parent_(parent) {}
  OverwriteChoice askOverwrite(const std::string& shownName, const std::string& path) override;
  bool askNewName(std::string& path) override;

 private:
  QWidget* parent_;
};

}  // namespace trimlet

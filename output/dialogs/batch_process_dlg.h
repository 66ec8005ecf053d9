#pragma once
// CBatchProcessDlg: "Trimlet batch process". Under "Directory Setting" the
// source (1004) and output (1003) folders with their browse buttons (1005,
// 1006); under "Output Image File Option" the prefix/postfix text (1009)
// with "Prefix" (1043) and "Postfix" (1044), "&Include subfolders" (1051)
// and the format button (1055) captioned with the output format. OK checks
// the folders (batch_folders.h); the format button opens the output format
// dialog and takes its three values on OK.

#include <QDialog>

#include "engine/settings/setting_codes.h"
#include "output/model/batch_folders.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trimlet {

class CBitmapButton;

struct BatchOptions {
  std::string source;  // ending with "/" after OK
  std::string output;  // ending with "/" after OK
  std::string affix;
  bool postfix = false;
  bool includeSubfolders = false;
  OutputFormat format = OutputFormat::kJpeg;
  int quality = 75;
  bool runLength = true;
  bool lossless = false;
};

class CBatchProcessDlg : public QDialog {
 public:
  CBatchProcessDlg(const BatchOptions& options, QWidget* parent);
  const BatchOptions& options() const { return options_; }
  void accept() override;

 private:
  void browse(QLineEdit* edit);
  void chooseFormat();

  BatchOptions options_;
  QLineEdit* source_;
  QLineEdit* output_;
  QLineEdit* affix_;
  QRadioButton* prefix_;
  QRadioButton* postfix_;
  QCheckBox* subfolders_;
  QPushButton* format_;
};

}  // namespace trimlet

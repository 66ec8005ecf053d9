#pragma once
// COutputFormatDlg: "Output image format". The five format radios (1030
// JPEG, 1031 Targa, 1032 bitmap, 1017 PNG placed above 1033 "Same as source
// format"), the quality slider (1019) with its value (1024), "Run Length
// Encoding" (1023), "Lossless JPEG" (1025), OK and Cancel. The slider and the check box are enabled
// by the format chosen (output_format_choice.h); OK takes the three values,
// Cancel none.

#include <QDialog>

#include "engine/settings/setting_codes.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace trimlet {

class COutputFormatDlg : public QDialog {
 public:
  COutputFormatDlg(OutputFormat format, int quality, bool runLength, QWidget* parent,
                   bool lossless = false);
  OutputFormat format() const { return format_; }
  int quality() const { return quality_; }
  bool runLength() const { return runLength_; }
  // "Lossless JPEG" (1025): JPEG results that are only cut keep the
  // source's picture data; enabled with JPEG.
  bool lossless() const { return lossless_; }
  void accept() override;

 private:
  void enableFor(OutputFormat format);
  OutputFormat checkedFormat() const;

  OutputFormat format_;
  int quality_;
  bool runLength_;
  bool lossless_;
  QCheckBox* losslessBox_;
  std::vector<std::pair<QRadioButton*, OutputFormat>> radios_;
  QSlider* slider_;
  QLabel* value_;
  QCheckBox* runLengthBox_;
};

}  // namespace trimlet

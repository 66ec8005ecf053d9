#pragma once
// CNoiseFilterDlg: the "Noise Filtering" dialog over NoiseFilterModel. The
// filter-size field (1016) with its spin in positions (1021), the threshold
// field (1012) with its spin (1022), OK (1) and Cancel (2). A field is checked
// when it loses the focus and on Enter; Enter then presses OK.

#include <QDialog>

#include "settings/model/noise_filter_model.h"

class QLineEdit;
class QPushButton;

namespace trimlet {

class CSpinArrows;

class CNoiseFilterDlg : public QDialog {
 public:
  CNoiseFilterDlg(int filterSize, int threshold, QWidget* parent);

  // After OK: the normalised values.
  int filterSize() const { return model_.filterSize(); }
  int threshold() const { return model_.threshold(); }
  const NoiseFilterModel& model() const { return model_; }

  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show(const char* message);
  void commitTexts();

  NoiseFilterModel model_;
  QLineEdit* size_;
  QLineEdit* threshold_;
  QLineEdit* sizePosition_;  // the size spin's position, not shown
  CSpinArrows* sizeSpin_;
  CSpinArrows* thresholdSpin_;
  QPushButton* ok_;
};

}  // namespace trimlet

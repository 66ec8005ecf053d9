#pragma once
// CSaveFileDlg: the save dialog of Save Image and of the manual cropping
// window. A non-native QFileDialog in save mode with the four file types in
// their order, the default suffix "tga", a question before an existing file
// is replaced, and the option panel added below it: the label (1001) "Image
// quality:" or "Targa option:", "Quality" (1004), the value (1024), "0"
// (1003), "100" (1002), the quality slider (1019) and "Run Length Encoding"
// (1023), shown by the chosen file type (SaveOptionPanel).

#include <QFileDialog>

#include "output/model/save_image.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace trimlet {

class CSaveFileDlg : public QFileDialog {
 public:
  CSaveFileDlg(const QString& initialName, QWidget* parent);

  void setQuality(int quality);
  int quality() const { return quality_; }
  void setRunLength(bool on);
  bool runLength() const { return runLength_; }
  // The full path chosen (after OK).
  QString chosenPath() const;
  const SaveOptionPanel& panel() const { return panel_; }

 private:
  void chooseType(const QString& filter);
  void showPanel();

  SaveOptionPanel panel_;
  int quality_ = 75;
  bool runLength_ = false;
  QLabel* label_;
  QWidget* qualityControls_;
  QSlider* slider_;
  QLabel* value_;
  QCheckBox* runLengthBox_;
};

// The name filter of each file type: "JPEG [*.jpg] (*.jpg)".
QStringList saveNameFilters();

}  // namespace trimlet

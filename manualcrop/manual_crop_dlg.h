#pragma once
// CManualCropDlg: "Trimlet manual cropping - " + the file name. One image of
// a folder turned by a typed, dialled or estimated angle, cut by hand with a
// rubber band and saved through the save dialog, stepping through the
// folder's image files. It works on its own copies; the caller hands over
// the JPEG quality, the Targa run-length flag and the detector's parameters
// and takes the first two back. Every turn starts from the loaded picture.
//
// Controls: the picture (1045), "Degree" (1046; Enter turns), the rotation
// dial (1053), "&Auto" (1065), "&Reset" (1049), previous (1057), next
// (1058), "&Save" (1050), "&Close" (2). Its size and place are remembered in
// the profile store ("Manual Crop Window").

#include <QDialog>

#include <string>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/settings/profile_store.h"
#include "manualcrop/model/manual_crop_image.h"

class QLineEdit;
class QPushButton;

namespace trimlet {

class CCropPicture;
class CRotationDial;

struct ManualCropSetup {
  std::string folder;  // ending with "/"
  std::string fileName;
  std::vector<std::string> files;  // sorted byte-wise
  int jpegQuality = 75;
  bool targaRle = true;
  int tolerance = 20;
  int filterSize = 7;
  int noiseThreshold = 16;
  QString saveFolder;  // where the save dialog starts
  bool honourOrientation = true;
};

class CManualCropDlg : public QDialog {
 public:
  CManualCropDlg(const ManualCropSetup& setup, ProfileStore* store, QWidget* parent);
  ~CManualCropDlg() override;

  int jpegQuality() const { return quality_; }
  bool targaRle() const { return rle_; }
  // The folder of the last save (empty when nothing was saved).
  const QString& savedFolder() const { return savedFolder_; }

  // The window's operations, also reached by its buttons.
  void Turn();
  void DialMoved(float value);
  void DialReleased(float value);
  void AutoTurn();
  void Reset();
  void Step(bool next);
  void Save();

  const std::string& fileName() const { return name_; }
  float angle() const { return angle_; }
  const ImageBuffer& turned() const { return turned_; }
  CCropPicture* picture() const { return picture_; }
  CRotationDial* dial() const { return dial_; }

 private:
  void load();
  void showAngle();
  void showTurned();

  ManualCropSetup setup_;
  ProfileStore* store_;
  std::string name_;
  int position_ = 0;
  ManualSource source_;
  ImageBuffer turned_;
  float angle_ = 0.0f;
  bool dialRelease_ = false;
  int quality_;
  bool rle_;
  QString savedFolder_;
  BackgroundDetector detector_;
  CCropPicture* picture_;
  CRotationDial* dial_;
  QLineEdit* degree_;
};

}  // namespace trimlet

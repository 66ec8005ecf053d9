#pragma once
// PanelModel: the crop settings panel without its widgets.
//
// It holds the text of each edit field (panel_edits.h), which controls are
// enabled (panel_enable.h) and the cut spin's range, and carries out every
// notification of the form: the checks of a field left or confirmed with
// Enter and their messages, the enabling, and which preview operation each
// accepted change calls. The widget binds its controls to it: it hands over
// what the user typed, clicked or chose, and shows the texts, fields and
// enables back.
//
// Commit copies the edits the user typed into since the last show into the
// fields (an edit left as shown holds its field's value already, and a field
// the program changed since is not put back): a text that is not a number of
// the edit's kind stops it with "Please enter an integer." (or "... a
// number." for the ratio terms and the rotation), the edit shows its field's
// value again and keeps the focus. Show writes every field into the edits.
// "If shown" below means while ImageSeen is 1.
//
// Field checks, on leaving (L) and on Enter (E):
//   X, Y, W, H   inside the current image (w x h), W and H above 0; accepted
//                on leaving and shown: ApplyManualRectangle and the view's
//                selection follows.
//   ratio W, H   above 0; accepted with Fixed Ratio on: fit the rectangle to
//                the ratio, resize the view's selection, ApplyManualRectangle.
//   rotation     -10000 to 10000; on leaving, when shown and changed since
//                last applied: ApplyManualRectangle with a valid manual
//                rectangle, else ApplyCrop.
//   fixed W, H   L: while Fixed Size is on, 0..10000; E: always, 0..4000.
//   side length  0..4000 (messages "The pixels ..." on leaving, "The pixel
//                ..." on Enter).
// A refused value returns to what the field held before, and nothing is
// processed for it. Enter moves the focus on after an accepted value:
// X > Y > W > H > ratio W > ratio H > rotation > X; fixed W <> fixed H;
// side length > side list.
//
// Without a current image (0 x 0) the inside-the-image checks do not apply:
// there is nothing to be inside of.

#include <map>
#include <set>
#include <string>

#include "engine/image/color.h"
#include "engine/settings/crop_settings.h"
#include "settings/model/panel_edits.h"
#include "settings/model/panel_enable.h"

namespace trimlet {

// What the panel needs from the program around it.
class PanelHost {
 public:
  virtual ~PanelHost() = default;
  // The preview's operations.
  virtual void applySettings() = 0;
  virtual void applyCrop() = 0;
  virtual void applyManualRectangle() = 0;
  virtual void openCurrentFile() = 0;
  virtual bool manualRectValid() const = 0;
  // The current image's size, 0 x 0 without one.
  virtual int imageWidth() const = 0;
  virtual int imageHeight() const = 0;
  // The source view: its mode and its selection.
  virtual CroppingMode viewMode() const = 0;
  virtual void setViewMode(CroppingMode mode) = 0;
  virtual void setViewSelection(const CropRect& rect) = 0;
  virtual void resizeViewSelection(int width, int height) = 0;
  // A message box captioned "Trimlet".
  virtual void showMessage(const std::string& text) = 0;
  virtual void focusControl(int id) = 0;
  // The modal dialogs; true on OK with the values changed in place.
  virtual bool runNoiseFilterDialog(int& filterSize, int& threshold) = 0;
  virtual bool chooseColour(Rgb& colour) = 0;
};

class PanelModel {
 public:
  PanelModel(CropSettings& settings, PanelHost& host);

  // --- Edits, fields, enables --------------------------------------------
  const std::string& text(int id) const;
  void setText(int id, const std::string& text);
  bool commit();
  void show();
  const PanelEnables& enables() const { return enables_; }
  SpinRange cutSpinRange() const { return cutSpin_; }
  static SpinRange toleranceSpinRange() { return {0, 100}; }

  // --- What the other panes call -----------------------------------------
  GatheredSettings gather();
  void setInwardCutLimit(int limit);
  void disableAll();
  void enableForMode(CroppingMode mode);
  void enableForCurrentImage();
  void initialUpdate(bool noFileChosen);

  // --- Notifications -------------------------------------------------------
  void autoCropClicked();
  void manualCropClicked();
  void editLeft(int id);
  // Enter in an edit with checks; false for any other control.
  bool enterPressed(int id);
  void fixedRatioClicked(bool on);
  void flipClicked(int id, bool on);
  void hiddenCheckClicked(int id, bool on);
  // "Split Photos": every photo of the page becomes its own result.
  void splitPhotosClicked(bool on);
  void colourButtonClicked(int id);
  // A spin (tolerance or cut value) moved to `value`: its edit takes it.
  void spinMoved(int id, int value);
  void noiseFilteringClicked();
  void edgeClicked(bool on);
  void edgeSideSelected(int index);
  void cutUnitSelected(int index);
  void inwardClicked();
  void outwardClicked();
  void additiveClicked();
  void fixedSizeClicked(bool on);
  void sizeWidthHeightClicked();
  void sideLengthClicked();
  void sideSelected(int index);

  float rotationApplied() const { return rotationApplied_; }

 private:
  bool shown() const { return settings_.imageSeen == 1; }
  // The check of one edit, on leaving or on Enter; the message of a refused
  // value, or nullptr.
  const char* check(int id, bool enter) const;
  // Commit, then check `id` against its value before the commit; a refused
  // value is put back, shown and said. False when refused or not a number.
  bool commitAndCheck(int id, bool enter);
  void fitRatioAndApply();
  void processFixedSize();

  CropSettings& settings_;
  PanelHost& host_;
  std::map<int, std::string> texts_;
  std::set<int> typed_;  // edits typed into since the last show
  PanelEnables enables_;
  SpinRange cutSpin_{0, 100};
  float rotationApplied_ = 0.0f;
};

}  // namespace trimlet

#pragma once
// Which controls of the crop settings panel are enabled, by control id
// (panel_ids.h), and the rules that switch them:
//
//   disableAll             every control off except the options that the
//                          preview stores (1008 "Auto Rotation", 1010 "Make
//                          Square", 1080 "Split Photos").
//   enableForMode(manual)  X, Y, W, H, both flips, "Fixed Ratio" and the
//                          rotation on when manual, off when auto; the two
//                          ratio edits on only when FixedRatio and
//                          CroppingMode are both set; crop colour, "Noise
//                          Filtering", tolerance and its spin on when auto.
//   enableForCurrentImage  both mode radios, "Crop / Add Edge", "Fixed
//                          Size" and the fill colour on; enableForMode of
//                          CroppingMode; with EdgeCheck the edge controls
//                          (1013, 1017, 1023, 1009, 1062, 1059, 1060,
//                          1072) on; with FixedSize both size radios on and,
//                          by SizeMode, W and H (0) or side length and its
//                          list (1) on and the other pair off; without
//                          FixedSize W, H, side length, its list and both
//                          size radios off.
//   initialEnables         the panel's first update: enableForMode of
//                          CroppingMode; by SizeMode W, H or side length and
//                          list; without EdgeCheck the edge controls off;
//                          without FixedSize the size controls off; then
//                          disableAll while the file list has no file.
//   enableEdgeControls     "Crop / Add Edge" clicked: the edge controls on or
//                          off with EdgeCheck.
//   enableForFixedSize     "Fixed Size" clicked: with FixedSize both size
//                          radios and the fill colour on and, by SizeMode, W
//                          and H or side length and list; without it both
//                          radios, W, H, side length and list off (the fill
//                          colour stays as it is).
//
// A rule touches only the controls it names; the others keep their state.

#include <map>
#include <vector>

#include "engine/settings/crop_settings.h"

namespace trimlet {

class PanelEnables {
 public:
  // Every control starts enabled.
  PanelEnables();
  bool enabled(int id) const;
  void set(int id, bool on);
  // Every control id of the panel, in id order.
  static const std::vector<int>& controlIds();

 private:
  std::map<int, bool> enabled_;
};

void disableAll(PanelEnables& enables);
void enableForMode(PanelEnables& enables, CroppingMode croppingMode, const CropSettings& settings);
void enableForCurrentImage(PanelEnables& enables, const CropSettings& settings);
void initialEnables(PanelEnables& enables, const CropSettings& settings, bool noFileChosen);
void enableEdgeControls(PanelEnables& enables, bool on);
void enableForFixedSize(PanelEnables& enables, const CropSettings& settings);

}  // namespace trimlet

#pragma once
// StoredSettingsPanel: the settings panel without a window, over a plain
// CropSettings record. The command-line batch and the tests use it.
//
// The gather normalises and distributes exactly like the window's panel.
// With `limitUnknown` (the command-line batch) the inward pixel limit is not
// applied by the gather, because no image has been seen when the settings are
// gathered; the crop engine then applies each image's own limit.

#include "pipeline/pipeline_ports.h"

namespace trimlet {

class StoredSettingsPanel : public SettingsPanelPort {
 public:
  explicit StoredSettingsPanel(CropSettings settings = CropSettings(), bool limitUnknown = false)
      : settings_(settings), limitUnknown_(limitUnknown) {}

  CropSettings& fields() override { return settings_; }
  GatheredSettings gather() override;
  void setInwardCutLimit(int limit) override;
  void setImageSeen() override { settings_.imageSeen = 1; }
  void showFields() override { ++showCount_; }
  void disableAll() override { disabled_ = true; }

  bool disabled() const { return disabled_; }
  int showCount() const { return showCount_; }
  void setDisabled(bool disabled) { disabled_ = disabled; }

 private:
  CropSettings settings_;
  bool limitUnknown_;
  bool disabled_ = false;
  int showCount_ = 0;
};

}  // namespace trimlet

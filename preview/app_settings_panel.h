#pragma once
// AppSettingsPanel: the settings panel as the preview's pipeline sees it.
// Every call goes to the application's settings pane at the moment it is
// made, so the pipeline may be built before that pane exists and outlive it.
// While there is no settings pane, a record of defaults of its own stands in
// (nothing is shown and nothing is disabled).

#include "pipeline/pipeline_ports.h"

namespace trimlet {

class AppSettingsPanel : public SettingsPanelPort {
 public:
  CropSettings& fields() override;
  GatheredSettings gather() override;
  void setInwardCutLimit(int limit) override;
  void setImageSeen() override;
  void showFields() override;
  void disableAll() override;

  // Repaints the settings pane, when there is one.
  void repaint();

 private:
  CropSettings standIn_;
};

}  // namespace trimlet

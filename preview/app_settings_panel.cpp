// The pipeline's view of the settings pane (see app_settings_panel.h).
#include "preview/app_settings_panel.h"

#include <QWidget>

#include "app/base/kivo_app.h"

namespace trimlet {

CropSettings& AppSettingsPanel::fields() {
  SettingsPanePort* pane = theApp().SettingsPane;
  return pane != nullptr ? pane->fields() : standIn_;
}

GatheredSettings AppSettingsPanel::gather() {
  SettingsPanePort* pane = theApp().SettingsPane;
  return pane != nullptr ? pane->gather() : gatherSettings(standIn_);
}

void AppSettingsPanel::setInwardCutLimit(int limit) {
  if (SettingsPanePort* pane = theApp().SettingsPane) {
    pane->setInwardCutLimit(limit);
  } else {
    standIn_.inwardCutLimit = normaliseInwardCutLimit(limit);
  }
}

void AppSettingsPanel::setImageSeen() {
  if (SettingsPanePort* pane = theApp().SettingsPane) {
    pane->setImageSeen();
  } else {
    standIn_.imageSeen = 1;
  }
}

void AppSettingsPanel::showFields() {
  if (SettingsPanePort* pane = theApp().SettingsPane) pane->showFields();
}

void AppSettingsPanel::disableAll() {
  if (SettingsPanePort* pane = theApp().SettingsPane) pane->disableAll();
}

void AppSettingsPanel::repaint() {
  if (auto* widget = dynamic_cast<QWidget*>(theApp().SettingsPane)) widget->update();
}

}  // namespace trimlet

#include "pipeline/stored_settings_panel.h"

#include <climits>

namespace trimlet {

GatheredSettings StoredSettingsPanel::gather() {
  if (!limitUnknown_) return gatherSettings(settings_);
  const int limit = settings_.inwardCutLimit;
  settings_.inwardCutLimit = INT_MAX;
  GatheredSettings gathered = gatherSettings(settings_);
  settings_.inwardCutLimit = limit;
  return gathered;
}

void StoredSettingsPanel::setInwardCutLimit(int limit) {
  settings_.inwardCutLimit = normaliseInwardCutLimit(limit);
}

}  // namespace trimlet

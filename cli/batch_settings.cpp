#include "cli/batch_settings.h"

#include "cli/override_store.h"
#include "cli/settings_help.h"
#include "engine/settings/settings_keys.h"
#include "engine/settings/settings_persistence.h"

namespace trimlet {

Result<BatchSettings> loadBatchSettings(ProfileStore& store, const CliOptions& options) {
  OverrideStore overrides(store);
  for (const std::string& assignment : options.sets) {
    std::string reason;
    if (!overrides.add(assignment, &reason)) return Result<BatchSettings>::failure(reason);
  }
  BatchSettings batch;
  readPanelSettings(overrides, batch.settings);
  readPreviewSettings(overrides, batch.settings);
  batch.wholeSelect = overrides.readInt(keys::kControls, keys::kWholeSelect, 0) != 0;
  std::vector<std::string> problems = overrides.problems();
  for (const std::string& p : checkSettingValues(overrides.values(), batch.settings))
    problems.push_back(p);
  if (!problems.empty()) {
    std::string all;
    for (const auto& p : problems) all += (all.empty() ? "" : "\n") + p;
    return Result<BatchSettings>::failure(all);
  }
  CropSettings& s = batch.settings;
  if (options.format) s.outputFormat = static_cast<OutputFormat>(*options.format);
  if (options.quality) s.jpegQuality = *options.quality;
  if (options.rle) s.targaRLE = *options.rle ? 1 : 0;
  if (options.straighten) s.autoRotate = 1;
  if (options.split) s.splitPhotos = 1;
  if (options.minPhotoPercent) s.minPhotoPercent = *options.minPhotoPercent;
  if (options.noOrientation) s.honourOrientation = 0;
  if (options.lossless) s.losslessJpeg = 1;
  batch.manualRectValid = s.cropWidth != 0 || s.cropHeight != 0;
  return batch;
}

}  // namespace trimlet

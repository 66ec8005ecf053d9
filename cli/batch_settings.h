#pragma once
// The crop settings of a command-line batch: the values the window stored
// (or a profile file of the same form), the --set overrides, then the
// --format, --quality, --rle, --straighten, --split, --min-photo,
// --no-orientation and --lossless options on top.

#include <string>

#include "cli/cli_options.h"
#include "engine/result.h"
#include "engine/settings/crop_settings.h"
#include "engine/settings/profile_store.h"

namespace trimlet {

struct BatchSettings {
  CropSettings settings;
  bool wholeSelect = false;      // "Controls" / "WholeSelect"
  bool manualRectValid = false;  // a stored manual rectangle of non-zero width or height
};

Result<BatchSettings> loadBatchSettings(ProfileStore& store, const CliOptions& options);

}  // namespace trimlet

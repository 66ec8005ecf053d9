#pragma once
// The short account of the crop settings that the settings pane shows:
// what the program crops with, as lines of a
// caption and a value. The values are shown as the next gather would make
// them (the normalisations applied to a copy), so a stored filter size of 8
// reads as 9. Before the first image the inward pixel limit is not applied
// (it is not known yet).
//
//   "Mode"           "Auto Crop" or "Manual Crop" with the rectangle, and
//                    the rotation and flips when set
//   "Tolerance"      0-100
//   "Noise filter"   "3 x 3, threshold 6"
//   "Edge"           "Off" or side, amount, unit, direction ("All, 10 Pixel,
//                    Outward"), "additive" when set
//   "Fixed size"     "Off", "640 x 480" or "Long side 100 pixels"
//   "Output format"  "JPEG, quality 75", "Targa, RLE", "Targa",
//                    "Windows bitmap", "Same as source", "PNG"

#include <QString>
#include <utility>
#include <vector>

#include "engine/settings/crop_settings.h"

namespace trimlet {

using SummaryLine = std::pair<QString, QString>;

std::vector<SummaryLine> settingsSummary(const CropSettings& settings);

}  // namespace trimlet

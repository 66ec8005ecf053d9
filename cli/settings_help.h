#pragma once
// The settings that --set can change, from the settings table: what
// --list-settings prints, and the check of each --set value against its row.

#include <map>
#include <string>
#include <vector>

#include "engine/settings/crop_settings.h"

namespace trimlet {

// One line per stored value: "Section/Value name=DEFAULT", what it accepts and
// what it means.
std::string settingsHelpText();

// The --set values ("Section/Value name" -> text) that the table's rows do
// not accept, each as a message; `settings` are the values read with them
// (a noise threshold is checked against the filter size read). Names that
// are not in the table are left to the store's own check.
std::vector<std::string> checkSettingValues(const std::map<std::string, std::string>& values,
                                            const CropSettings& settings);

}  // namespace trimlet

#pragma once
// Whether the file chosen in the file list still exists: the list's folder
// followed by its selected name. Before the list has been filled its folder
// is empty; the name is then looked for in `fallbackFolder` (the preview's
// current folder, itself empty at start-up, when the working directory is the
// remembered file's folder). With no list there is nothing to check.

#include <string>

namespace trimlet {

bool chosenFileExists(const std::string& fallbackFolder);

}  // namespace trimlet

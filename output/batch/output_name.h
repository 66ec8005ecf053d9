#pragma once
// Names of the files a batch writes.
//
//   affixedName: with position 1 (postfix) the name without its last four
//     characters, then the affix, then those four characters
//     (photo.jpg + _c -> photo_c.jpg); with 0 (prefix) the affix, then the
//     name (c_photo.jpg).
//   outputPathFor: the output folder (ending with "/") followed by that name.
//   targetPathFor: by output format, the last four characters replaced by
//     ".jpg" (0), ".tga" (1), ".bmp" (2) or ".png" (4); 3 (same as source)
//     leaves the path as it is.
//   numberedPath: the target of photo `number` of a split: "_<number>"
//     before the last four characters (the extension), so after the prefix
//     or postfix (out/photo_c.jpg -> out/photo_c_2.jpg).

#include <string>

#include "engine/settings/setting_codes.h"

namespace trimlet {

enum class AffixPosition { kPrefix = 0, kPostfix = 1 };

std::string affixedName(const std::string& name, const std::string& affix, AffixPosition position);
std::string outputPathFor(const std::string& outputFolder, const std::string& name,
                          const std::string& affix, AffixPosition position);
std::string targetPathFor(const std::string& outputPath, OutputFormat outputFormat);
std::string numberedPath(const std::string& targetPath, int number);

}  // namespace trimlet

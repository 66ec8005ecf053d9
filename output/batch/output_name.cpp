#include "output/batch/output_name.h"

#include "imagefile/image_format.h"

namespace trimlet {

std::string affixedName(const std::string& name, const std::string& affix, AffixPosition position) {
  if (position == AffixPosition::kPostfix) {
    const size_t cut = name.size() >= 4 ? name.size() - 4 : 0;
    return name.substr(0, cut) + affix + name.substr(cut);
  }
  return affix + name;
}

std::string outputPathFor(const std::string& outputFolder, const std::string& name,
                          const std::string& affix, AffixPosition position) {
  return outputFolder + affixedName(name, affix, position);
}

std::string targetPathFor(const std::string& outputPath, OutputFormat outputFormat) {
  if (outputFormat == OutputFormat::kSame) return outputPath;
  const std::string extension = outputExtension(outputFormat);
  if (extension.empty()) return outputPath;
  return replaceLastFour(outputPath, extension);
}

std::string numberedPath(const std::string& targetPath, int number) {
  const size_t cut = targetPath.size() >= 4 ? targetPath.size() - 4 : 0;
  return targetPath.substr(0, cut) + "_" + std::to_string(number) + targetPath.substr(cut);
}

}  // namespace trimlet

// The message for a file that cannot be decoded (see read_failure_text.h).
#include "preview/model/read_failure_text.h"

#include "imagefile/image_format.h"

namespace trimlet {

const char* const kMissingFileMessage =
    "The file you are selecting does not exist in this directory. Please refresh the directory.";

std::string previewTitle(const std::string& fileName) {
  return fileName.empty() ? std::string("Trimlet") : "Trimlet - " + fileName;
}

ReadFailureText readFailureText(const std::string& path, SourceFormat sourceFormat,
                                const std::string& reason) {
  if (sourceFormat == SourceFormat::kBitmap) return {true, reason};
  std::string text = "The image file\n\n" + path + "\n\ncould not be read.";
  if (!reason.empty()) text += "\n\n" + reason;
  return {false, text};
}

}  // namespace trimlet

// The message for a file that cannot be decoded (see read_failure_text.h).
#include "preview/model/read_failure_text.h"

#include "imagefile/image_format.h"

namespace trimlet {

ReadFailureText readFailureText(const std::string& path, int sourceFormat,
                                const std::string& reason) {
  if (sourceFormat == kSourceBitmap) return {true, reason};
  std::string text = "The image file\n\n" + path + "\n\ncould not be read.";
  if (!reason.empty()) text += "\n\n" + reason;
  return {false, text};
}

}  // namespace trimlet

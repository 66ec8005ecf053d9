#pragma once
// What the preview tells the user: the title for a file shown, the message
// of a vanished file, and what is said when a chosen file cannot be decoded.
//
// The title is "Trimlet - " and the file name, or "Trimlet" with no file.
//
// The bitmap reader's reason is shown as it stands, in a box captioned
// "Error"; every other reader's failure goes into a "Trimlet" box as a
// sentence that names the file, followed by the reader's reason.

#include <string>

#include "imagefile/image_format.h"

namespace trimlet {

extern const char* const kMissingFileMessage;

std::string previewTitle(const std::string& fileName);

struct ReadFailureText {
  bool errorCaption = false;  // true: "Error"; false: "Trimlet"
  std::string text;
};

ReadFailureText readFailureText(const std::string& path, SourceFormat sourceFormat,
                                const std::string& reason);

}  // namespace trimlet

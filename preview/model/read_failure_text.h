#pragma once
// What the user is told when a chosen file cannot be decoded.
//
// The bitmap reader's reason is shown as it stands, in a box captioned
// "Error"; every other reader's failure goes into a "Trimlet" box as a
// sentence that names the file, followed by the reader's reason.

#include <string>

namespace trimlet {

struct ReadFailureText {
  bool errorCaption = false;  // true: "Error"; false: "Trimlet"
  std::string text;
};

ReadFailureText readFailureText(const std::string& path, int sourceFormat,
                                const std::string& reason);

}  // namespace trimlet

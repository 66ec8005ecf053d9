#pragma once
// The output format dialog's enabling and the batch dialog's caption of its
// format button.
//
//   JPEG: quality slider and value on, run-length off; Targa: the reverse;
//   bitmap, same as source, PNG: all three off.
//   Captions: "JPG", "TGA", "BMP", "Same as source", "PNG".

#include <string>

#include "engine/settings/setting_codes.h"

namespace trimlet {

struct FormatControls {
  bool quality = false;    // the slider and its value field
  bool runLength = false;  // the "Run Length Encoding" check box
};

FormatControls formatControls(OutputFormat format);
std::string formatCaption(OutputFormat format);

}  // namespace trimlet

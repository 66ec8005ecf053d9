#include "output/model/output_format_choice.h"

namespace trimlet {

FormatControls formatControls(OutputFormat format) {
  FormatControls c;
  c.quality = format == OutputFormat::kJpeg;
  c.runLength = format == OutputFormat::kTarga;
  return c;
}

std::string formatCaption(OutputFormat format) {
  switch (format) {
    case OutputFormat::kJpeg: return "JPG";
    case OutputFormat::kTarga: return "TGA";
    case OutputFormat::kBitmap: return "BMP";
    case OutputFormat::kSame: return "Same as source";
    case OutputFormat::kPng: return "PNG";
  }
  return std::string();
}

}  // namespace trimlet

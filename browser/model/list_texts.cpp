// The texts of the file list's columns.
#include "browser/model/list_texts.h"

#include <cstdio>

#include "imagefile/image_format.h"

namespace trimlet {

const char* const kDirectoryType = "Directory";

bool IsListedEntry(const std::string& name, bool folder) {
  if (name == "." || name == "..") return false;
  return folder || isImageFileName(name);
}

std::string TypeText(const std::string& name, bool folder) {
  if (folder) return kDirectoryType;
  switch (sourceFormatOf(name)) {
    case SourceFormat::kTarga: return "Targa File";
    case SourceFormat::kJpeg: return "JPEG File";
    case SourceFormat::kBitmap: return "Bitmap File";
    case SourceFormat::kPng: return "PNG File";
    default: return "";
  }
}

std::string SizeText(uint64_t bytes, bool folder) {
  if (folder) return " ";
  return std::to_string(bytes / 1024) + "KB";
}

std::string TimeText(std::time_t utcSeconds) {
  std::tm parts{};
#ifdef _WIN32
  if (gmtime_s(&parts, &utcSeconds) != 0) return " ";
#else
  if (gmtime_r(&utcSeconds, &parts) == nullptr) return " ";
#endif
  char text[64];
  std::snprintf(text, sizeof text, "%4d-%02d-%02d   %d:%d", parts.tm_year + 1900, parts.tm_mon + 1,
                parts.tm_mday, parts.tm_hour, parts.tm_min);
  return text;
}

std::string SortKeyText(const std::string& name, bool folder) {
  return (folder ? "1" : "2") + name;
}

}  // namespace trimlet

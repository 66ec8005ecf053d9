#pragma once
// The texts of the file list's columns, and which entries it lists.
//
//   IsListedEntry   folders always; files only with an image ending (the
//                   last three characters upper-cased: "JPG", "TGA", "BMP",
//                   "PNG"; "photo.jpeg" is not listed)
//   TypeText        "Directory" for a folder; "JPEG File", "Targa File",
//                   "Bitmap File", "PNG File" by ending; "" for anything else
//   SizeText        "%ldKB" of bytes / 1024 (integer division) for a file,
//                   " " for a folder
//   TimeText        "%4d-%02d-%02d   %d:%d" (year, month, day, three spaces,
//                   hour and minute without leading zeros) in UTC; " " when
//                   the time cannot be broken down
//   SortKeyText     "1" + name for a folder, "2" + name for a file

#include <cstdint>
#include <ctime>
#include <string>

namespace trimlet {

extern const char* const kDirectoryType;  // "Directory"

bool IsListedEntry(const std::string& name, bool folder);
std::string TypeText(const std::string& name, bool folder);
std::string SizeText(uint64_t bytes, bool folder);
std::string TimeText(std::time_t utcSeconds);
std::string SortKeyText(const std::string& name, bool folder);

}  // namespace trimlet

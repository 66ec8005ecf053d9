#pragma once
// The Save Image command's rules without windows.
//
//   proposedSaveName  the current file's name without its last four
//                     characters (holiday.jpg proposes "holiday", scan.jpeg
//                     proposes "scan.").
//   saveExtension     the text after the last dot of the chosen name (empty
//                     without a dot).
//   writerForSave     the writer an extension names, compared exactly:
//                     "jpg", "tga", "bmp", "png"; anything else (JPG in
//                     capitals included) writes nothing.
//   saveByExtension   the image written by the writer of the path's
//                     extension, carrying the source's colour profile and
//                     camera data; nothing (and no status) for any other
//                     extension.
//   writeFailureText  what the user is told when a save fails.
//   SaveOptionPanel   what the save dialog's option panel shows for the file
//                     type chosen (filter index from 1): 1 the quality
//                     controls under "Image quality:", 2 the run-length check
//                     box under "Targa option:", 3 and 4 nothing; any other
//                     index changes nothing.
//
// The four file types, in their order, are kSaveFileTypes.

#include <optional>
#include <string>
#include <vector>

#include "imagefile/image_format.h"

namespace trimlet {

struct SaveFileType {
  const char* description;  // "JPEG [*.jpg] "
  const char* pattern;      // "*.jpg"
};

const std::vector<SaveFileType>& saveFileTypes();

std::string proposedSaveName(const std::string& fileName);
std::string saveExtension(const std::string& path);
std::optional<SourceFormat> writerForSave(const std::string& extension);
std::optional<Status> saveByExtension(const std::string& path, const ImageBuffer& image,
                                      const WriteOptions& options, const ImageMetadata& source);
std::string writeFailureText(const std::string& path, const std::string& reason);

class SaveOptionPanel {
 public:
  SaveOptionPanel() { chooseType(1); }
  void chooseType(int filterIndex);
  bool labelShown() const { return labelShown_; }
  const char* labelText() const { return label_; }
  bool qualityShown() const { return qualityShown_; }
  bool runLengthShown() const { return runLengthShown_; }

 private:
  bool labelShown_ = true;
  const char* label_ = "Image quality:";
  bool qualityShown_ = true;
  bool runLengthShown_ = false;
};

}  // namespace trimlet

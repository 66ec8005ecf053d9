// The Save Image command's rules (see save_image.h).
#include "output/model/save_image.h"

namespace trimlet {

const std::vector<SaveFileType>& saveFileTypes() {
  static const std::vector<SaveFileType> types = {
      {"JPEG [*.jpg] ", "*.jpg"},
      {"Truevision Targa [*.tga] ", "*.tga"},
      {"Windows Bitmap [*.bmp] ", "*.bmp"},
      {"Portable Network Graphics [*.png] ", "*.png"},
  };
  return types;
}

std::string proposedSaveName(const std::string& fileName) {
  return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

std::string saveExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

std::optional<SourceFormat> writerForSave(const std::string& extension) {
  if (extension == "jpg") return SourceFormat::kJpeg;
  if (extension == "tga") return SourceFormat::kTarga;
  if (extension == "bmp") return SourceFormat::kBitmap;
  if (extension == "png") return SourceFormat::kPng;
  return std::nullopt;
}

std::optional<Status> saveByExtension(const std::string& path, const ImageBuffer& image,
                                      const WriteOptions& options, const ImageMetadata& source) {
  const std::optional<SourceFormat> writer = writerForSave(saveExtension(path));
  if (!writer) return std::nullopt;
  return writeImageFileWithMetadata(*writer, path, image, options, source);
}

std::string writeFailureText(const std::string& path, const std::string& reason) {
  std::string trimmed = reason;
  while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == ' ')) trimmed.pop_back();
  return "The file\n\n" + path + "\n\ncould not be written.\n\n" + trimmed;
}

void SaveOptionPanel::chooseType(int filterIndex) {
  switch (filterIndex) {
    case 1:
      labelShown_ = true;
      label_ = "Image quality:";
      qualityShown_ = true;
      runLengthShown_ = false;
      break;
    case 2:
      labelShown_ = true;
      label_ = "Targa option:";
      qualityShown_ = false;
      runLengthShown_ = true;
      break;
    case 3:
    case 4:
      labelShown_ = false;
      qualityShown_ = false;
      runLengthShown_ = false;
      break;
    default: break;
  }
}

}  // namespace trimlet

#include "imagefile/image_format.h"

#include "imagefile/bitmap_file.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/orientation.h"
#include "imagefile/png_file.h"
#include "imagefile/result_metadata.h"
#include "imagefile/targa_file.h"

namespace trimlet {

namespace {

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

int sourceFormatOf(std::string_view name) {
  if (name.size() < 3) return kSourceNone;
  std::string ending(name.substr(name.size() - 3));
  for (char& c : ending) c = upperAscii(c);
  if (ending == "JPG") return kSourceJpeg;
  if (ending == "TGA") return kSourceTarga;
  if (ending == "BMP") return kSourceBitmap;
  if (ending == "PNG") return kSourcePng;
  return kSourceNone;
}

bool isImageFileName(std::string_view name) { return sourceFormatOf(name) != kSourceNone; }

std::string outputExtension(int outputFormat) {
  switch (outputFormat) {
    case kOutputJpeg: return ".jpg";
    case kOutputTarga: return ".tga";
    case kOutputBitmap: return ".bmp";
    case kOutputPng: return ".png";
    default: return std::string();
  }
}

std::string replaceLastFour(const std::string& path, const std::string& extension) {
  // "Same as the source" has no extension and leaves the path as it is.
  if (extension.empty()) return path;
  if (path.size() < 4) return extension;
  return path.substr(0, path.size() - 4) + extension;
}

Result<ImageBuffer> readImageFile(int sourceFormat, const std::string& path,
                                  const ReadOptions& options) {
  ImageMetadata metadata;
  return readImageFileWithMetadata(sourceFormat, path, &metadata, options);
}

Result<ImageBuffer> readImageFileWithMetadata(int sourceFormat, const std::string& path,
                                              ImageMetadata* metadata, const ReadOptions& options) {
  *metadata = ImageMetadata();
  Result<ImageBuffer> image = Result<ImageBuffer>::failure("");
  switch (sourceFormat) {
    case kSourceJpeg: image = readJpeg(path, metadata); break;
    case kSourceTarga: return readTarga(path);
    case kSourceBitmap: return readBitmap(path);
    case kSourcePng: image = readPng(path, metadata); break;
    default: return Result<ImageBuffer>::failure("The file " + path + " is not an image file.");
  }
  if (!image || !pixelsTurnedUpright(*metadata, options)) return image;
  return applyExifOrientation(*image, metadata->orientation);
}

Status writeImageFile(int format, const std::string& path, const ImageBuffer& image,
                      const WriteOptions& options) {
  switch (format) {
    case kSourceJpeg: return writeJpeg(path, image, options.jpegQuality);
    case kSourceTarga: return writeTarga(path, image, options.targaRle);
    case kSourceBitmap: return writeBitmap(path, image);
    case kSourcePng: return writePng(path, image, false, 1.0);
    default:
      return Status::failure("There is no writer for the image format " + std::to_string(format) +
                             ".");
  }
}

Status writeImageFileWithMetadata(int format, const std::string& path, const ImageBuffer& image,
                                  const WriteOptions& options, const ImageMetadata& source,
                                  std::vector<std::string>* warnings) {
  if ((format != kSourceJpeg && format != kSourcePng) || !source.hasBlocks())
    return writeImageFile(format, path, image, options);
  const ImageMetadata carried =
      metadataForResult(source, image.width(), image.height(),
                        format == kSourceJpeg ? MetadataTarget::kJpeg : MetadataTarget::kPng);
  if (warnings) warnings->insert(warnings->end(), carried.warnings.begin(), carried.warnings.end());
  if (format == kSourceJpeg) return writeJpeg(path, image, options.jpegQuality, &carried);
  return writePng(path, image, false, 1.0, &carried);
}

}  // namespace trimlet

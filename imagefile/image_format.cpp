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

SourceFormat sourceFormatOf(std::string_view name) {
  if (name.size() < 3) return SourceFormat::kNone;
  std::string ending(name.substr(name.size() - 3));
  for (char& c : ending) c = upperAscii(c);
  if (ending == "JPG") return SourceFormat::kJpeg;
  if (ending == "TGA") return SourceFormat::kTarga;
  if (ending == "BMP") return SourceFormat::kBitmap;
  if (ending == "PNG") return SourceFormat::kPng;
  return SourceFormat::kNone;
}

bool isImageFileName(std::string_view name) { return sourceFormatOf(name) != SourceFormat::kNone; }

std::string outputExtension(OutputFormat outputFormat) {
  switch (outputFormat) {
    case OutputFormat::kJpeg: return ".jpg";
    case OutputFormat::kTarga: return ".tga";
    case OutputFormat::kBitmap: return ".bmp";
    case OutputFormat::kPng: return ".png";
    default: return std::string();
  }
}

SourceFormat writerFormat(OutputFormat outputFormat, SourceFormat source) {
  switch (outputFormat) {
    case OutputFormat::kJpeg: return SourceFormat::kJpeg;
    case OutputFormat::kTarga: return SourceFormat::kTarga;
    case OutputFormat::kBitmap: return SourceFormat::kBitmap;
    case OutputFormat::kPng: return SourceFormat::kPng;
    default: return source;
  }
}

std::string replaceLastFour(const std::string& path, const std::string& extension) {
  // "Same as the source" has no extension and leaves the path as it is.
  if (extension.empty()) return path;
  if (path.size() < 4) return extension;
  return path.substr(0, path.size() - 4) + extension;
}

Result<ImageBuffer> readImageFile(SourceFormat sourceFormat, const std::string& path,
                                  const ReadOptions& options) {
  ImageMetadata metadata;
  return readImageFileWithMetadata(sourceFormat, path, &metadata, options);
}

Result<ImageBuffer> readImageFileWithMetadata(SourceFormat sourceFormat, const std::string& path,
                                              ImageMetadata* metadata, const ReadOptions& options) {
  *metadata = ImageMetadata();
  Result<ImageBuffer> image = Result<ImageBuffer>::failure("");
  switch (sourceFormat) {
    case SourceFormat::kJpeg: image = readJpeg(path, metadata); break;
    case SourceFormat::kTarga: return readTarga(path);
    case SourceFormat::kBitmap: return readBitmap(path);
    case SourceFormat::kPng: image = readPng(path, metadata); break;
    default: return Result<ImageBuffer>::failure("The file " + path + " is not an image file.");
  }
  if (!image || !pixelsTurnedUpright(*metadata, options)) return image;
  return applyExifOrientation(*image, metadata->orientation);
}

Status writeImageFile(SourceFormat format, const std::string& path, const ImageView& image,
                      const WriteOptions& options) {
  switch (format) {
    case SourceFormat::kJpeg: return writeJpeg(path, image, options.jpegQuality);
    case SourceFormat::kTarga: return writeTarga(path, image, options.targaRle);
    case SourceFormat::kBitmap: return writeBitmap(path, image);
    case SourceFormat::kPng: return writePng(path, image, false, 1.0);
    default:
      return Status::failure("There is no writer for the image format " +
                             std::to_string(static_cast<int>(format)) + ".");
  }
}

Status writeImageFileWithMetadata(SourceFormat format, const std::string& path,
                                  const ImageView& image, const WriteOptions& options,
                                  const ImageMetadata& source, std::vector<std::string>* warnings) {
  if ((format != SourceFormat::kJpeg && format != SourceFormat::kPng) || !source.hasBlocks())
    return writeImageFile(format, path, image, options);
  const ImageMetadata carried = metadataForResult(
      source, image.width(), image.height(),
      format == SourceFormat::kJpeg ? MetadataTarget::kJpeg : MetadataTarget::kPng);
  if (warnings) warnings->insert(warnings->end(), carried.warnings.begin(), carried.warnings.end());
  if (format == SourceFormat::kJpeg) return writeJpeg(path, image, options.jpegQuality, &carried);
  return writePng(path, image, false, 1.0, &carried);
}

}  // namespace trimlet

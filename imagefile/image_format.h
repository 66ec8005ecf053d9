#pragma once
// Format dispatch: the one table through which the pipeline, the thumbnail
// builder and the manual cropping window read and write image files.
//
// A file's format comes from its name alone: the last three characters,
// upper-cased: "JPG" 0, "TGA" 1, "BMP" 2, "PNG" 4; any other ending is not an
// image file (photo.jpeg is not; a name ending in "xjpg" is a JPEG). Output
// formats: 0 JPEG ".jpg", 1 Targa ".tga", 2 bitmap ".bmp", 3 same as the
// source (path unchanged, the source's writer), 4 PNG ".png"; the extension
// replaces the last four characters of the output path.
//
// Readers return an ImageBuffer with 1, 3 or 4 channels, rows bottom-up, or
// no image and a reason. Writers take 3- or 4-channel images; JPEG and bitmap
// ignore a fourth byte, Targa and PNG write it as alpha. Every writer writes
// a temporary file beside the target and renames it over the target only
// when the whole write succeeded; on failure the target is untouched.
//
// Metadata: JPEG and PNG sources give an ImageMetadata (colour profile,
// EXIF, XMP, orientation; see image_metadata.h), Targa and bitmap sources
// an empty one. A JPEG or PNG source whose EXIF orientation is not 1 is
// turned upright as it is read unless ReadOptions says otherwise. JPEG and
// PNG results carry the source's metadata as result_metadata.h describes;
// Targa and bitmap results carry none. Metadata never fails a read or a
// write: what cannot be read or carried is left out with a warning.

#include <string>
#include <string_view>

#include <vector>

#include "engine/image/image_buffer.h"
#include "engine/image/image_view.h"
#include "engine/result.h"
#include "engine/settings/setting_codes.h"
#include "imagefile/image_metadata.h"

namespace trimlet {

// The format of a file read: from the last three letters of its name.
enum class SourceFormat { kNone = -1, kJpeg = 0, kTarga = 1, kBitmap = 2, kPng = 4 };

// SourceFormat::kNone when the name is not an image file.
SourceFormat sourceFormatOf(std::string_view name);
bool isImageFileName(std::string_view name);

// ".jpg", ".tga", ".bmp", ".png" for 0, 1, 2, 4; empty for 3 and anything else.
std::string outputExtension(OutputFormat outputFormat);
// The writer an output format uses: its own, or for "same as the source" (and
// any number out of range) the source's.
SourceFormat writerFormat(OutputFormat outputFormat, SourceFormat source);
// `path` with its last four characters replaced by `extension` (the whole
// path when it is shorter than four characters); an empty extension (format
// 3, "same as the source") leaves the path unchanged.
std::string replaceLastFour(const std::string& path, const std::string& extension);

struct WriteOptions {
  int jpegQuality = 75;
  bool targaRle = true;
};

struct ReadOptions {
  // Turn a picture whose EXIF orientation is not 1 upright; off handles
  // files as they are stored.
  bool applyOrientation = true;
};

// Reads with the reader of `sourceFormat`.
Result<ImageBuffer> readImageFile(SourceFormat sourceFormat, const std::string& path,
                                  const ReadOptions& options = ReadOptions());
// The same, with the file's metadata in *metadata (required). Its
// orientation stays the file's; the pixels are upright when
// options.applyOrientation is set (see pixelsTurnedUpright).
Result<ImageBuffer> readImageFileWithMetadata(SourceFormat sourceFormat, const std::string& path,
                                              ImageMetadata* metadata,
                                              const ReadOptions& options = ReadOptions());
// Whether a read with `options` turned pixels of this metadata upright.
inline bool pixelsTurnedUpright(const ImageMetadata& metadata, const ReadOptions& options) {
  return options.applyOrientation && metadata.orientation != kOrientationNormal;
}

// Writes with the writer of `format`.
Status writeImageFile(SourceFormat format, const std::string& path, const ImageView& image,
                      const WriteOptions& options);
// The same, carrying `source` (the metadata its source was read with) into
// a JPEG or PNG result. Blocks left out are told in *warnings (optional).
Status writeImageFileWithMetadata(SourceFormat format, const std::string& path,
                                  const ImageView& image, const WriteOptions& options,
                                  const ImageMetadata& source,
                                  std::vector<std::string>* warnings = nullptr);

}  // namespace trimlet

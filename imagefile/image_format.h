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

#include <string>
#include <string_view>

#include "engine/image/image_buffer.h"
#include "engine/settings/crop_settings.h"
#include "engine/result.h"

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

// Reads with the reader of `sourceFormat`.
Result<ImageBuffer> readImageFile(SourceFormat sourceFormat, const std::string& path);
// Writes with the writer of `format`.
Status writeImageFile(SourceFormat format, const std::string& path, const ImageBuffer& image,
                      const WriteOptions& options);

}  // namespace trimlet

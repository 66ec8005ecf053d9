// JPEG writing: 3 components, the library defaults and the given quality,
// the metadata markers given, top row first, into a temporary file that
// replaces the target only when the whole image was written. See
// jpeg_file.h for the contract.
#include <algorithm>
#include <cstring>
#include <string>

#include "imagefile/atomic_file.h"
#include "imagefile/jpeg_error.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/jpeg_metadata.h"

namespace trimlet {

namespace {

// As for reading: all state changed after the jump point is armed lives in
// the caller's frame.
struct JpegWriteState {
  jpeg_compress_struct cinfo;
  JpegErrorManager error;
};

// Rows handed to the library per call: one band of its largest sampling.
constexpr int kRowsPerCall = 16;

bool encodeJpeg(JpegWriteState* state, FILE* stream, const ImageView& image, int quality,
                const ImageMetadata* metadata) {
  jpeg_compress_struct* cinfo = &state->cinfo;
  cinfo->err = installJpegErrorManager(&state->error);
  if (setjmp(state->error.jump)) return false;
  jpeg_create_compress(cinfo);
  jpeg_stdio_dest(cinfo, stream);
  cinfo->image_width = static_cast<JDIMENSION>(image.width());
  cinfo->image_height = static_cast<JDIMENSION>(image.height());
  // Four-byte pixels go in as they are: the library skips the fourth byte
  // itself, with the same conversion as for three.
  cinfo->input_components = image.channels();
  cinfo->in_color_space = image.channels() == 4 ? JCS_EXT_RGBX : JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, FALSE);
  jpeg_start_compress(cinfo, TRUE);
  if (metadata) jpeg_detail::writeJpegMetadata(cinfo, *metadata);

  // The rows are read in place (the library only reads its input rows; the
  // pointer type is not const in its interface), top row first.
  const int32_t height = image.height();
  JSAMPROW rows[kRowsPerCall];
  while (cinfo->next_scanline < cinfo->image_height) {
    const int32_t first = static_cast<int32_t>(cinfo->next_scanline);
    const int count = static_cast<int>(std::min<int32_t>(kRowsPerCall, height - first));
    for (int i = 0; i < count; ++i)
      rows[i] = const_cast<JSAMPROW>(image.row(height - 1 - (first + i)));
    jpeg_write_scanlines(cinfo, rows, static_cast<JDIMENSION>(count));
  }
  jpeg_finish_compress(cinfo);
  return true;
}

}  // namespace

Status writeJpeg(const std::string& path, const ImageView& image, int quality,
                 const ImageMetadata* metadata) {
  if (image.empty() || (image.channels() != 3 && image.channels() != 4))
    return Status::failure("The JPEG writer takes images of 3 or 4 channels.");
  if (quality < 0 || quality > 100)
    return Status::failure("The JPEG quality " + std::to_string(quality) + " is outside 0 to 100.");
  JpegWriteState state;
  std::memset(&state.cinfo, 0, sizeof state.cinfo);

  auto file = AtomicFile::open(path);
  if (!file) return file.status();
  const bool encoded = encodeJpeg(&state, file->stream(), image, quality, metadata);
  jpeg_destroy_compress(&state.cinfo);
  if (!encoded) return Status::failure(state.error.message);
  return file->commit();
}

}  // namespace trimlet

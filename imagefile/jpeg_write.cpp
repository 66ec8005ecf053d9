// JPEG writing: 3 components, the library defaults and the given quality,
// the metadata markers given, top row first, into a temporary file that
// replaces the target only when the whole image was written. See
// jpeg_file.h for the contract.
#include <cstring>
#include <memory>
#include <new>
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
  std::unique_ptr<JSAMPLE[]> line;
};

bool encodeJpeg(JpegWriteState* state, FILE* stream, const ImageBuffer& image, int quality,
                const ImageMetadata* metadata) {
  jpeg_compress_struct* cinfo = &state->cinfo;
  cinfo->err = installJpegErrorManager(&state->error);
  if (setjmp(state->error.jump)) return false;
  jpeg_create_compress(cinfo);
  jpeg_stdio_dest(cinfo, stream);
  cinfo->image_width = static_cast<JDIMENSION>(image.width());
  cinfo->image_height = static_cast<JDIMENSION>(image.height());
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, FALSE);
  jpeg_start_compress(cinfo, TRUE);
  if (metadata) jpeg_detail::writeJpegMetadata(cinfo, *metadata);

  // Each row is copied into a line of its own: it drops a fourth byte, and
  // the library is never handed the caller's (const) pixels.
  const int channels = image.channels();
  const int32_t height = image.height();
  JSAMPROW rows[1] = {state->line.get()};
  while (cinfo->next_scanline < cinfo->image_height) {
    const uint8_t* in = image.row(height - 1 - static_cast<int32_t>(cinfo->next_scanline));
    if (channels == 3) {
      std::memcpy(rows[0], in, image.stride());
    } else {
      JSAMPLE* out = rows[0];
      for (int32_t x = 0; x < image.width(); ++x, in += channels, out += 3) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
      }
    }
    jpeg_write_scanlines(cinfo, rows, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

}  // namespace

Status writeJpeg(const std::string& path, const ImageBuffer& image, int quality,
                 const ImageMetadata* metadata) {
  if (image.empty() || (image.channels() != 3 && image.channels() != 4))
    return Status::failure("The JPEG writer takes images of 3 or 4 channels.");
  if (quality < 0 || quality > 100)
    return Status::failure("The JPEG quality " + std::to_string(quality) + " is outside 0 to 100.");
  JpegWriteState state;
  std::memset(&state.cinfo, 0, sizeof state.cinfo);
  state.line.reset(new (std::nothrow) JSAMPLE[static_cast<size_t>(image.width()) * 3]);
  if (!state.line) return Status::failure("Out of memory.");

  auto file = AtomicFile::open(path);
  if (!file) return file.status();
  const bool encoded = encodeJpeg(&state, file->stream(), image, quality, metadata);
  jpeg_destroy_compress(&state.cinfo);
  if (!encoded) return Status::failure(state.error.message);
  return file->commit();
}

}  // namespace trimlet

// PNG writing: 8-bit RGB or RGBA, top row first, into a temporary file that
// replaces the target only when the whole image was written. See png_file.h.
#include <cmath>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "imagefile/atomic_file.h"
#include "imagefile/png_error.h"
#include "imagefile/png_file.h"
#include "imagefile/png_metadata.h"

namespace trimlet {

namespace {

// As for reading: all state changed after the jump point is armed lives in
// the caller's frame.
struct PngWriteState {
  PngErrorState error;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::unique_ptr<png_bytep[]> rows;
};

bool encodePng(PngWriteState* state, FILE* stream, const ImageView& image, bool interlace,
               double gamma, const ImageMetadata* metadata) {
  if (setjmp(state->error.jump)) return false;
  state->png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &state->error, pngErrorReturn, pngWarning);
  if (!state->png) {
    std::snprintf(state->error.message, sizeof state->error.message, "out of memory");
    return false;
  }
  state->info = png_create_info_struct(state->png);
  if (!state->info) png_error(state->png, "out of memory");
  png_structp png = state->png;
  png_infop info = state->info;
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_init_io(png, stream);
  const png_uint_32 width = static_cast<png_uint_32>(image.width());
  const png_uint_32 height = static_cast<png_uint_32>(image.height());
  png_set_IHDR(png, info, width, height, 8,
               image.channels() == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
               interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (gamma != 1.0) png_set_gAMA(png, info, gamma);
  if (metadata) png_detail::setPngMetadata(png, info, *metadata);
  png_write_info(png, info);

  state->rows.reset(new (std::nothrow) png_bytep[height]);
  if (!state->rows) png_error(png, "out of row_pointer_memory");
  // The picture's top row is the buffer's last. libpng copies every row into
  // a buffer of its own before filtering, so the caller's pixels are only
  // read, although the interface is not const.
  for (png_uint_32 i = 0; i < height; ++i)
    state->rows[i] = const_cast<png_bytep>(image.row(static_cast<int32_t>(height - 1 - i)));
  png_write_image(png, state->rows.get());
  // Every chunk went out with the info; handing the info over again would
  // make this libpng write the eXIf chunk a second time, after the data.
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

Status writePng(const std::string& path, const ImageView& image, bool interlace, double gamma,
                const ImageMetadata* metadata) {
  if (image.empty() || (image.channels() != 3 && image.channels() != 4))
    return Status::failure("The PNG writer takes images of 3 or 4 channels.");
  if (!(gamma > 0.0) || !std::isfinite(gamma))
    return Status::failure("The PNG gamma value must be a positive number.");
  auto file = AtomicFile::open(path);
  if (!file) return file.status();
  PngWriteState state;
  const bool encoded = encodePng(&state, file->stream(), image, interlace, gamma, metadata);
  png_destroy_write_struct(&state.png, &state.info);
  if (!encoded) return Status::failure(state.error.message);
  return file->commit();
}

}  // namespace trimlet

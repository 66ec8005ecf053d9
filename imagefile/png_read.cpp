// PNG reading: every colour type and depth to 8-bit RGB or RGBA through
// libpng's transformations, rows bottom-up. See png_file.h for the contract.
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "engine/image/checked_size.h"
#include "imagefile/png_error.h"
#include "imagefile/png_file.h"

namespace trimlet {

namespace {

// Everything one read changes after its jump point is armed lives here, in
// the caller's frame, reached through a pointer: after a jump the values
// are the ones last stored and no object with a destructor is skipped.
struct PngReadState {
  PngErrorState error;
  png_structp png = nullptr;
  png_infop info = nullptr;
  ImageBuffer image;
  std::unique_ptr<png_bytep[]> rows;
  std::string reason;
};

// The screen gamma that files with a gAMA chunk are corrected for.
constexpr double kScreenGamma = 2.2;

void requestTransformations(png_structp png, png_infop info, int bitDepth, int colourType) {
  if (bitDepth == 16) png_set_strip_16(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_expand(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_expand(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  png_color_16p background = nullptr;
  if (png_get_bKGD(png, info, &background))
    png_set_background(png, background, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
  double fileGamma = 0.0;
  if (png_get_gAMA(png, info, &fileGamma)) png_set_gamma(png, kScreenGamma, fileGamma);
  // libpng 1.6 wants interlaced files announced before the update.
  png_set_interlace_handling(png);
}

// Kept out of decodePng so the Result and its reason are gone before the
// library runs again.
bool allocateImage(PngReadState* state, png_uint_32 width, png_uint_32 height, int channels) {
  auto image = ImageBuffer::create(width, height, channels);
  if (!image) return false;
  state->image = image.take();
  return true;
}

// Returns true with state->image filled; false with state->reason set.
bool decodePng(PngReadState* state, FILE* stream) {
  if (setjmp(state->error.jump)) {
    state->reason = state->error.message;
    return false;
  }
  state->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state->error, pngErrorReturn, nullptr);
  if (!state->png) {
    state->reason = "Out of memory.";
    return false;
  }
  state->info = png_create_info_struct(state->png);
  if (!state->info) {
    state->reason = "Out of memory.";
    return false;
  }
  png_structp png = state->png;
  png_infop info = state->info;
  // The size limit is ours (checked below, before anything is allocated);
  // libpng's default of a million pixels a side would refuse long, narrow
  // images that are well inside it.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_init_io(png, stream);
  png_set_sig_bytes(png, 8);
  png_read_info(png, info);

  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colourType = 0;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
  if (!imageSizeAllowed(width, height, &state->reason)) return false;
  requestTransformations(png, info, bitDepth, colourType);
  png_read_update_info(png, info);
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const int channels = png_get_channels(png, info);
  if (bitDepth != 8 || (channels != 3 && channels != 4) ||
      rowBytes != static_cast<size_t>(width) * channels) {
    state->reason = "The PNG file has a pixel format that cannot be converted.";
    return false;
  }

  if (!allocateImage(state, width, height, channels)) png_error(png, "out of image data memory");
  state->rows.reset(new (std::nothrow) png_bytep[height]);
  if (!state->rows) png_error(png, "out of row_pointer_memory");
  // The file's first row is the picture's top row: it goes to the last
  // buffer row, so the buffer comes out bottom-up without a second copy.
  for (png_uint_32 i = 0; i < height; ++i)
    state->rows[i] = state->image.row(static_cast<int32_t>(height - 1 - i));
  png_read_image(png, state->rows.get());
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

Result<ImageBuffer> readPngStream(FILE* stream) {
  if (!stream) return Result<ImageBuffer>::failure("There is no PNG file to read.");
  png_byte signature[8];
  if (std::fread(signature, 1, sizeof signature, stream) != sizeof signature ||
      png_sig_cmp(signature, 0, sizeof signature) != 0)
    return Result<ImageBuffer>::failure("The file is not a PNG file.");
  PngReadState state;
  const bool decoded = decodePng(&state, stream);
  png_destroy_read_struct(&state.png, &state.info, nullptr);
  if (!decoded) return Result<ImageBuffer>::failure(state.reason);
  return std::move(state.image);
}

Result<ImageBuffer> readPng(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Result<ImageBuffer>::failure("Cannot open the file " + path + ".");
  auto image = readPngStream(file);
  std::fclose(file);
  return image;
}

}  // namespace trimlet

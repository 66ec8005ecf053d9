// PNG reading: every colour type and depth to 8-bit RGB or RGBA through
// libpng's transformations, rows bottom-up. See png_file.h for the contract.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "engine/image/checked_size.h"
#include "imagefile/png_error.h"
#include "imagefile/png_file.h"
#include "imagefile/png_metadata.h"

namespace trimlet {

namespace {

// Everything one read changes after a jump point is armed lives here, in
// the caller's frame, reached through a pointer: after a jump the values
// are the ones last stored and no object with a destructor is skipped.
struct PngReadState {
  PngErrorState error;
  png_structp png = nullptr;
  png_infop info = nullptr;
  png_uint_32 width = 0, height = 0;
  ImageBuffer image;
  std::unique_ptr<png_bytep[]> rows;
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

// The two functions that arm a jump point hold nothing but plain values, so
// a jump skips no destructor and clobbers nothing; every string and every
// allocation of ours happens between them, in decodePng.

enum class Start { kRead, kLibraryError, kNoMemory, kTooLarge, kUnconvertible };

// Structures, header and transformations, up to the updated header.
Start startPng(PngReadState* state, FILE* stream) {
  if (setjmp(state->error.jump)) return Start::kLibraryError;
  state->png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, &state->error, pngErrorReturn, pngWarning);
  if (!state->png) return Start::kNoMemory;
  state->info = png_create_info_struct(state->png);
  if (!state->info) return Start::kNoMemory;
  png_structp png = state->png;
  png_infop info = state->info;
  // The size limit is ours (checked below, before anything is allocated);
  // libpng's default of a million pixels a side would refuse long, narrow
  // images that are well inside it.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  png_init_io(png, stream);
  png_set_sig_bytes(png, 8);
  png_read_info(png, info);

  int bitDepth = 0, colourType = 0;
  png_get_IHDR(png, info, &state->width, &state->height, &bitDepth, &colourType, nullptr, nullptr,
               nullptr);
  if (!imageSizeAllowed(state->width, state->height, nullptr)) return Start::kTooLarge;
  requestTransformations(png, info, bitDepth, colourType);
  png_read_update_info(png, info);
  png_get_IHDR(png, info, &state->width, &state->height, &bitDepth, &colourType, nullptr, nullptr,
               nullptr);
  const int channels = png_get_channels(png, info);
  if (bitDepth != 8 || (channels != 3 && channels != 4) ||
      png_get_rowbytes(png, info) != static_cast<size_t>(state->width) * channels)
    return Start::kUnconvertible;
  return Start::kRead;
}

// The rows (through state->rows) and the end of the file, whose chunks
// (text after the picture data) go into the same info structure.
bool readRows(PngReadState* state) {
  if (setjmp(state->error.jump)) return false;
  png_read_image(state->png, state->rows.get());
  png_read_end(state->png, state->info);
  return true;
}

// A failure of ours, told the way the library's errors are.
void ownError(const char* message, std::string* reason) {
  std::fprintf(stderr, "libpng error: %s\n", message);
  *reason = message;
}

// Returns true with state->image filled; false with *reason set.
bool decodePng(PngReadState* state, FILE* stream, std::string* reason) {
  switch (startPng(state, stream)) {
    case Start::kRead: break;
    case Start::kLibraryError: *reason = state->error.message; return false;
    case Start::kNoMemory: *reason = "Out of memory."; return false;
    case Start::kTooLarge: imageSizeAllowed(state->width, state->height, reason); return false;
    case Start::kUnconvertible:
      *reason = "The PNG file has a pixel format that cannot be converted.";
      return false;
  }
  auto image =
      ImageBuffer::create(state->width, state->height, png_get_channels(state->png, state->info));
  if (!image) {
    ownError("out of image data memory", reason);
    return false;
  }
  state->image = image.take();
  state->rows.reset(new (std::nothrow) png_bytep[state->height]);
  if (!state->rows) {
    ownError("out of row_pointer_memory", reason);
    return false;
  }
  // The file's first row is the picture's top row: it goes to the last
  // buffer row, so the buffer comes out bottom-up without a second copy.
  for (png_uint_32 i = 0; i < state->height; ++i)
    state->rows[i] = state->image.row(static_cast<int32_t>(state->height - 1 - i));
  if (!readRows(state)) {
    *reason = state->error.message;
    return false;
  }
  return true;
}

}  // namespace

Result<ImageBuffer> readPngStream(FILE* stream, ImageMetadata* metadata) {
  if (metadata) *metadata = ImageMetadata();
  if (!stream) return Result<ImageBuffer>::failure("There is no PNG file to read.");
  png_byte signature[8];
  if (std::fread(signature, 1, sizeof signature, stream) != sizeof signature ||
      png_sig_cmp(signature, 0, sizeof signature) != 0)
    return Result<ImageBuffer>::failure("The file is not a PNG file.");
  PngReadState state;
  std::string reason;
  const bool decoded = decodePng(&state, stream, &reason);
  if (decoded && metadata)
    png_detail::gatherPngMetadata(state.png, state.info, state.error, metadata);
  png_destroy_read_struct(&state.png, &state.info, nullptr);
  if (!decoded) return Result<ImageBuffer>::failure(reason);
  if (metadata) inspectMetadata(metadata);
  return std::move(state.image);
}

Result<ImageBuffer> readPng(const std::string& path, ImageMetadata* metadata) {
  if (metadata) *metadata = ImageMetadata();
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Result<ImageBuffer>::failure("Cannot open the file " + path + ".");
  auto image = readPngStream(file, metadata);
  std::fclose(file);
  return image;
}

}  // namespace trimlet

// A JPEG file's size and orientation from its header. See image_size.h.
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/image/checked_size.h"
#include "imagefile/image_size.h"
#include "imagefile/jpeg_error.h"
#include "imagefile/jpeg_metadata.h"

namespace trimlet {

namespace {

// As for reading pictures: everything changed after the jump point is armed
// lives in the caller's frame.
struct SizeState {
  jpeg_decompress_struct cinfo;
  JpegErrorManager error;
};

// The header up to the first scan, with the APP1 markers kept (EXIF and
// XMP; the colour profile's APP2 markers are of no use here), and the
// output dimensions the reader would get. Holds nothing but plain values,
// so a jump skips no destructor.
bool readHeader(SizeState* state, FILE* stream) {
  jpeg_decompress_struct* cinfo = &state->cinfo;
  if (setjmp(state->error.jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_stdio_src(cinfo, stream);
  jpeg_save_markers(cinfo, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(cinfo, TRUE);
  jpeg_calc_output_dimensions(cinfo);
  return true;
}

// The reader refuses these before it decodes a line.
bool colourKindKnown(const jpeg_decompress_struct& cinfo) {
  const int n = cinfo.output_components;
  return (cinfo.out_color_space == JCS_GRAYSCALE && n == 1) ||
         (cinfo.out_color_space == JCS_RGB && n == 3) ||
         (cinfo.out_color_space == JCS_CMYK && n == 4);
}

}  // namespace

Result<ImageSize> readJpegSize(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Result<ImageSize>::failure("Cannot open the file " + path + ".");
  SizeState state;
  std::memset(&state.cinfo, 0, sizeof state.cinfo);
  state.cinfo.err = installJpegErrorManager(&state.error);
  ImageSize size;
  ImageMetadata metadata;
  std::string reason;
  if (!readHeader(&state, file)) {
    reason = state.error.message;
  } else if (!imageSizeAllowed(state.cinfo.image_width, state.cinfo.image_height, &reason)) {
  } else if (!colourKindKnown(state.cinfo)) {
    reason = "The JPEG file has " + std::to_string(state.cinfo.output_components) +
             " colour components of an unknown kind.";
  } else {
    size.width = static_cast<int32_t>(state.cinfo.image_width);
    size.height = static_cast<int32_t>(state.cinfo.image_height);
    jpeg_detail::gatherJpegMetadata(&state.cinfo, jpeg_detail::JpegIccProfile(), &metadata);
  }
  jpeg_destroy_decompress(&state.cinfo);
  std::fclose(file);
  if (!reason.empty()) return Result<ImageSize>::failure(reason);
  // Only the EXIF block decides the orientation; the XMP packet needs no check.
  metadata.xmp.clear();
  inspectMetadata(&metadata);
  size.orientation = metadata.orientation;
  return size;
}

}  // namespace trimlet

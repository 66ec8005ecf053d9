// Reading a JPEG header from memory. See jpeg_header.h.
#include "imagefile/jpeg_header.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/image/checked_size.h"
#include "imagefile/jpeg_error.h"
#include "imagefile/jpeg_metadata.h"

namespace trimlet {

namespace {

// As for reading pictures: everything changed after the jump point is armed
// lives in the caller's frame.
struct HeaderState {
  jpeg_decompress_struct cinfo;
  JpegErrorManager error;
  jpeg_detail::JpegIccProfile icc;
};

// Holds nothing but plain values, so a jump skips no destructor.
bool readHeader(HeaderState* state, const uint8_t* bytes, size_t size) {
  jpeg_decompress_struct* cinfo = &state->cinfo;
  if (setjmp(state->error.jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, bytes, static_cast<unsigned long>(size));
  jpeg_detail::keepMetadataMarkers(cinfo);
  jpeg_read_header(cinfo, TRUE);
  jpeg_detail::readIccProfile(cinfo, &state->icc);
  return true;
}

}  // namespace

Result<JpegHeader> readJpegHeader(const uint8_t* bytes, size_t size) {
  if (!bytes || size == 0) return Result<JpegHeader>::failure("The JPEG file is empty.");
  HeaderState state;
  std::memset(&state.cinfo, 0, sizeof state.cinfo);
  state.cinfo.err = installJpegErrorManager(&state.error);
  JpegHeader header;
  std::string reason;
  if (!readHeader(&state, bytes, size)) {
    reason = state.error.message;
  } else if (!imageSizeAllowed(state.cinfo.image_width, state.cinfo.image_height, &reason)) {
  } else {
    const jpeg_decompress_struct& cinfo = state.cinfo;
    header.width = static_cast<int32_t>(cinfo.image_width);
    header.height = static_cast<int32_t>(cinfo.image_height);
    header.components = cinfo.num_components;
    header.progressive = cinfo.progressive_mode;
    for (int c = 0; c < cinfo.num_components; ++c)
      header.coefficientBytes += uint64_t(cinfo.comp_info[c].width_in_blocks) *
                                 cinfo.comp_info[c].height_in_blocks * sizeof(JBLOCK);
    jpeg_detail::gatherJpegMetadata(&state.cinfo, state.icc, &header.metadata);
  }
  jpeg_destroy_decompress(&state.cinfo);
  std::free(state.icc.data);
  if (!reason.empty()) return Result<JpegHeader>::failure(reason);
  inspectMetadata(&header.metadata);
  return header;
}

}  // namespace trimlet

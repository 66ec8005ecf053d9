// JPEG reading: header, start, one scan line at a time into a bottom-up
// buffer, finish. See jpeg_file.h for the contract.
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/image/checked_size.h"
#include "imagefile/jpeg_error.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/jpeg_metadata.h"

namespace trimlet {

namespace {

// Everything one read changes after a jump point is armed lives here, in
// the caller's frame, and is reached through a pointer: after a jump the
// values are the ones last stored (no volatile locals needed) and no object
// with a destructor is skipped.
struct JpegReadState {
  jpeg_decompress_struct cinfo;
  JpegErrorManager error;
  jpeg_progress_mgr progress;
  ImageBuffer image;
  bool wantMetadata;
  jpeg_detail::JpegIccProfile icc;
  const JpegScaleChoice* eighths;  // null or empty: the whole picture
};

void limitScans(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kJpegScanLimit)
    failJpeg(cinfo, "The JPEG file has too many scans.");
}

// One scan line of cyan, magenta, yellow and black to red, green, blue.
// Adobe's files (those with its marker, YCCK among them) store the inks
// inverted, 255 meaning none; others store 0 for none.
void cmykToRgb(const JSAMPLE* in, uint8_t* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
    const unsigned k = inverted ? in[3] : 255u - in[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned ink = inverted ? in[c] : 255u - in[c];
      out[c] = static_cast<uint8_t>((ink * k + 127) / 255);
    }
  }
}

// The two functions that arm a jump point hold nothing but plain values, so
// a jump skips no destructor and clobbers nothing; every string and every
// allocation of ours happens between them, in readJpegStream.

// Header and start. False: a library error (its message in state->error)
// or, when sizeRefused is set, a picture too large to read.
bool startJpeg(JpegReadState* state, FILE* stream, bool* sizeRefused) {
  jpeg_decompress_struct* cinfo = &state->cinfo;
  if (setjmp(state->error.jump)) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kJpegMemoryLimit;
  state->progress.progress_monitor = limitScans;
  cinfo->progress = &state->progress;
  state->error.prematureEndIsFatal = true;
  jpeg_stdio_src(cinfo, stream);
  if (state->wantMetadata) jpeg_detail::keepMetadataMarkers(cinfo);
  jpeg_read_header(cinfo, TRUE);
  // Before the library allocates anything for the picture.
  if (!imageSizeAllowed(cinfo->image_width, cinfo->image_height, nullptr)) {
    *sizeRefused = true;
    return false;
  }
  if (state->wantMetadata) jpeg_detail::readIccProfile(cinfo, &state->icc);
  if (state->eighths && *state->eighths) {
    const int n = (*state->eighths)(static_cast<int32_t>(cinfo->image_width),
                                    static_cast<int32_t>(cinfo->image_height));
    cinfo->scale_num = n < 1 ? 1 : n > 8 ? 8 : n;
    cinfo->scale_denom = 8;
  }
  jpeg_start_decompress(cinfo);
  return true;
}

// Every scan line into state->image, then the end of the file. False: a
// library error, its message in state->error.
bool readScanLines(JpegReadState* state, bool cmyk) {
  jpeg_decompress_struct* cinfo = &state->cinfo;
  if (setjmp(state->error.jump)) return false;
  const JDIMENSION width = cinfo->output_width;
  JSAMPARRAY line = cmyk ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo),
                                                       JPOOL_IMAGE, width * 4, 1)
                         : nullptr;
  const bool inverted = cinfo->saw_Adobe_marker;
  while (cinfo->output_scanline < cinfo->output_height) {
    // The file's top line lands in the last row. Grey and red-green-blue
    // lines are decoded straight into their row; CMYK goes through `line`.
    uint8_t* row =
        state->image.row(static_cast<int32_t>(cinfo->output_height - 1 - cinfo->output_scanline));
    JSAMPROW target[1] = {cmyk ? line[0] : row};
    // A stdio source never suspends; a read of no line would loop forever.
    if (jpeg_read_scanlines(cinfo, target, 1) != 1)
      failJpeg(reinterpret_cast<j_common_ptr>(cinfo), "The JPEG file could not be decoded.");
    if (cmyk) cmykToRgb(line[0], row, width, inverted);
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// Returns true with state->image (and *metadata, when asked for) filled;
// false with *reason set.
bool decodeJpeg(JpegReadState* state, FILE* stream, std::string* reason, ImageMetadata* metadata) {
  state->cinfo.err = installJpegErrorManager(&state->error);
  bool sizeRefused = false;
  if (!startJpeg(state, stream, &sizeRefused)) {
    if (sizeRefused)
      imageSizeAllowed(state->cinfo.image_width, state->cinfo.image_height, reason);
    else
      *reason = state->error.message;
    return false;
  }
  if (metadata) jpeg_detail::gatherJpegMetadata(&state->cinfo, state->icc, metadata);
  const jpeg_decompress_struct& cinfo = state->cinfo;
  const bool grey = cinfo.out_color_space == JCS_GRAYSCALE && cinfo.output_components == 1;
  const bool rgb = cinfo.out_color_space == JCS_RGB && cinfo.output_components == 3;
  const bool cmyk = cinfo.out_color_space == JCS_CMYK && cinfo.output_components == 4;
  if (!grey && !rgb && !cmyk) {
    *reason = "The JPEG file has " + std::to_string(cinfo.output_components) +
              " colour components of an unknown kind.";
    return false;
  }
  auto image = ImageBuffer::create(cinfo.output_width, cinfo.output_height, grey ? 1 : 3);
  if (!image) {
    *reason = image.reason();
    return false;
  }
  state->image = image.take();
  if (!readScanLines(state, cmyk)) {
    *reason = state->error.message;
    return false;
  }
  return true;
}

Result<ImageBuffer> readStream(FILE* stream, ImageMetadata* metadata,
                               const JpegScaleChoice* eighths) {
  if (metadata) *metadata = ImageMetadata();
  if (!stream) return Result<ImageBuffer>::failure("There is no JPEG file to read.");
  JpegReadState state;
  std::memset(&state.cinfo, 0, sizeof state.cinfo);
  std::memset(&state.progress, 0, sizeof state.progress);
  state.wantMetadata = metadata != nullptr;
  state.eighths = eighths;
  std::string reason;
  const bool decoded = decodeJpeg(&state, stream, &reason, metadata);
  // Releases every pool of the library (the scan-line buffer and the kept
  // markers among them) on both roads; harmless when creation itself failed.
  jpeg_destroy_decompress(&state.cinfo);
  std::free(state.icc.data);
  if (!decoded) {
    if (metadata) *metadata = ImageMetadata();
    return Result<ImageBuffer>::failure(reason);
  }
  if (metadata) inspectMetadata(metadata);
  return std::move(state.image);
}

Result<ImageBuffer> readFile(const std::string& path, ImageMetadata* metadata,
                             const JpegScaleChoice* eighths) {
  if (metadata) *metadata = ImageMetadata();
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Result<ImageBuffer>::failure("Cannot open the file " + path + ".");
  auto image = readStream(file, metadata, eighths);
  std::fclose(file);
  return image;
}

}  // namespace

Result<ImageBuffer> readJpegStream(FILE* stream, ImageMetadata* metadata) {
  return readStream(stream, metadata, nullptr);
}

Result<ImageBuffer> readJpeg(const std::string& path, ImageMetadata* metadata) {
  return readFile(path, metadata, nullptr);
}

Result<ImageBuffer> readJpegReduced(const std::string& path, const JpegScaleChoice& eighths,
                                    ImageMetadata* metadata) {
  return readFile(path, metadata, &eighths);
}

}  // namespace trimlet

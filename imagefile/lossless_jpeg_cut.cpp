// The lossless cut: TurboJPEG crops (and turns) the coefficients, then
// libjpeg copies them into the target with Huffman tables computed for the
// cut and the metadata markers of the result. See lossless_jpeg.h.
#include <turbojpeg.h>

#include <cstring>
#include <memory>
#include <string>

#include "imagefile/atomic_file.h"
#include "imagefile/jpeg_error.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/jpeg_metadata.h"
#include "imagefile/lossless_jpeg_detail.h"
#include "imagefile/result_metadata.h"
#include "imagefile/whole_file.h"

namespace trimlet {

namespace {

struct TurboHandleCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};
struct TurboBufferFree {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

// As for reading and writing pictures: everything changed after the jump
// point is armed lives in the caller's frame. Both codec structures report
// to the one error manager.
struct CopyState {
  jpeg_decompress_struct in;
  jpeg_compress_struct out;
  JpegErrorManager error;
};

// Holds nothing but plain values, so a jump skips no destructor.
bool copyCoefficients(CopyState* state, const unsigned char* bytes, unsigned long size,
                      FILE* stream, bool progressive, const ImageMetadata* metadata) {
  if (setjmp(state->error.jump)) return false;
  jpeg_create_decompress(&state->in);
  jpeg_create_compress(&state->out);
  state->in.mem->max_memory_to_use = kJpegMemoryLimit;
  jpeg_mem_src(&state->in, bytes, size);
  jpeg_read_header(&state->in, TRUE);
  jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&state->in);
  jpeg_copy_critical_parameters(&state->in, &state->out);
  state->out.optimize_coding = TRUE;
  if (progressive) jpeg_simple_progression(&state->out);
  jpeg_stdio_dest(&state->out, stream);
  jpeg_write_coefficients(&state->out, coefficients);
  jpeg_detail::writeJpegMetadata(&state->out, *metadata);
  jpeg_finish_compress(&state->out);
  jpeg_finish_decompress(&state->in);
  return true;
}

std::string turboReason(void* handle) {
  std::string text = tjGetErrorStr2(handle);
  while (!text.empty() && (text.back() == '\n' || text.back() == '.')) text.pop_back();
  for (char& c : text)
    if (c == '\n') c = ' ';
  return "The JPEG file cannot be cut without loss: " + text + ".";
}

}  // namespace

Result<LosslessCutOutcome> cutJpegLosslessly(const std::string& source, const std::string& target,
                                             const PixelBox& box, const ReadOptions& options) {
  using Outcome = Result<LosslessCutOutcome>;
  std::vector<uint8_t> file;
  switch (readWholeFile(source, &file)) {
    case WholeFileStatus::kRead: break;
    case WholeFileStatus::kCannotOpen:
      return Outcome::failure("Cannot open the file " + source + ".");
    case WholeFileStatus::kOutOfMemory: return Outcome::failure("Out of memory.");
  }
  auto work = lossless_detail::planCut(file, box, options);
  if (!work) return Outcome::failure(work.status());

  std::unique_ptr<void, TurboHandleCloser> handle(tjInitTransform());
  if (!handle) return Outcome::failure("TurboJPEG could not be started.");
  tjtransform transform;
  std::memset(&transform, 0, sizeof transform);
  transform.r.x = work->region.x;
  transform.r.y = work->region.y;
  transform.r.w = work->region.width;
  transform.r.h = work->region.height;
  transform.op = work->operation;
  transform.options = TJXOPT_CROP | TJXOPT_COPYNONE | (work->perfect ? TJXOPT_PERFECT : 0);
  unsigned char* cutBytes = nullptr;
  unsigned long cutSize = 0;
  const int transformed =
      tjTransform(handle.get(), file.data(), static_cast<unsigned long>(file.size()), 1, &cutBytes,
                  &cutSize, &transform, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS);
  std::unique_ptr<unsigned char, TurboBufferFree> cut(cutBytes);
  if (transformed != 0) return Outcome::failure(turboReason(handle.get()));
  std::vector<uint8_t>().swap(file);

  LosslessCutOutcome outcome;
  outcome.plan = work->plan;
  const ImageMetadata carried =
      metadataForResult(work->header.metadata, work->plan.adjusted.width,
                        work->plan.adjusted.height, MetadataTarget::kLosslessJpeg);
  outcome.warnings = carried.warnings;

  auto written = AtomicFile::open(target);
  if (!written) return Outcome::failure(written.status());
  CopyState state;
  std::memset(&state.in, 0, sizeof state.in);
  std::memset(&state.out, 0, sizeof state.out);
  state.in.err = installJpegErrorManager(&state.error);
  state.out.err = &state.error.pub;
  const bool copied = copyCoefficients(&state, cut.get(), cutSize, written->stream(),
                                       work->header.progressive, &carried);
  jpeg_destroy_compress(&state.out);
  jpeg_destroy_decompress(&state.in);
  if (!copied) return Outcome::failure(std::string(state.error.message));
  const Status committed = written->commit();
  if (!committed) return Outcome::failure(committed);
  return outcome;
}

}  // namespace trimlet

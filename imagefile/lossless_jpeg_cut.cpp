// The lossless cut: TurboJPEG crops (and turns) the coefficients into new
// JPEG data without any marker of the source, the result's metadata markers
// go in after its JFIF marker, and all of it into an atomic file. See
// lossless_jpeg.h.
#include <turbojpeg.h>

#include <cstring>
#include <memory>
#include <string>

#include "imagefile/atomic_file.h"
#include "imagefile/jpeg_segments.h"
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
  transform.options = TJXOPT_CROP | TJXOPT_COPYNONE | (work->perfect ? TJXOPT_PERFECT : 0) |
                      (work->header.progressive ? TJXOPT_PROGRESSIVE : 0);
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

  const size_t insertAt = jpegMetadataInsertionPoint(cut.get(), cutSize);
  if (insertAt == 0) return Outcome::failure("TurboJPEG gave no JPEG data.");
  const std::vector<uint8_t> segments = jpegMetadataSegments(carried);
  auto written = AtomicFile::open(target);
  if (!written) return Outcome::failure(written.status());
  std::fwrite(cut.get(), 1, insertAt, written->stream());
  std::fwrite(segments.data(), 1, segments.size(), written->stream());
  std::fwrite(cut.get() + insertAt, 1, cutSize - insertAt, written->stream());
  const Status committed = written->commit();
  if (!committed) return Outcome::failure(committed);
  return outcome;
}

}  // namespace trimlet

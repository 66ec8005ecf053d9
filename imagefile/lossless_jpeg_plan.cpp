// Planning a lossless cut: the box on the block grid of the upright
// picture, and the TurboJPEG transform that gives it. See lossless_jpeg.h.
#include <turbojpeg.h>

#include <algorithm>
#include <memory>
#include <string>

#include "imagefile/jpeg_file.h"
#include "imagefile/lossless_jpeg_detail.h"
#include "imagefile/whole_file.h"

namespace trimlet {

namespace lossless_detail {

namespace {

struct TurboHandleCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using TurboHandle = std::unique_ptr<void, TurboHandleCloser>;

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '.')) text.pop_back();
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

// The transform that turns a picture of this EXIF orientation upright.
int operationFor(int orientation) {
  switch (orientation) {
    case 2: return TJXOP_HFLIP;
    case 3: return TJXOP_ROT180;
    case 4: return TJXOP_VFLIP;
    case 5: return TJXOP_TRANSPOSE;
    case 6: return TJXOP_ROT90;
    case 7: return TJXOP_TRANSVERSE;
    case 8: return TJXOP_ROT270;
    default: return TJXOP_NONE;
  }
}

// The stored picture's partial blocks (the pixels past its last whole block
// column and row) that the transform leaves at the end of its output, where
// the upright picture has them at the start: how far TurboJPEG's output is
// shifted against the upright picture, per side. A transform is perfect
// when both are 0.
void partialShift(int operation, int32_t width, int32_t height, int blockWidth, int blockHeight,
                  int32_t* shiftX, int32_t* shiftY) {
  const int32_t right = width % blockWidth;     // partial columns of the stored picture
  const int32_t bottom = height % blockHeight;  // partial rows of the stored picture
  *shiftX = *shiftY = 0;
  switch (operation) {
    case TJXOP_HFLIP: *shiftX = right; break;
    case TJXOP_VFLIP: *shiftY = bottom; break;
    case TJXOP_ROT90: *shiftX = bottom; break;
    case TJXOP_ROT270: *shiftY = right; break;
    case TJXOP_ROT180: *shiftX = right, *shiftY = bottom; break;
    case TJXOP_TRANSVERSE: *shiftX = bottom, *shiftY = right; break;
    default: break;
  }
}

// `start` moved down onto the grid of step `grid` that begins at `offset`.
int32_t onGrid(int32_t start, int32_t offset, int grid) {
  return offset + (start - offset) / grid * grid;
}

}  // namespace

Result<CutWork> planCut(const std::vector<uint8_t>& file, const PixelBox& box,
                        const ReadOptions& options) {
  TurboHandle handle(tjInitTransform());
  if (!handle) return Result<CutWork>::failure("TurboJPEG could not be started.");
  int width = 0, height = 0, subsampling = -1, colourSpace = 0;
  if (tjDecompressHeader3(handle.get(), file.data(), static_cast<unsigned long>(file.size()),
                          &width, &height, &subsampling, &colourSpace) != 0)
    return Result<CutWork>::failure(
        "The JPEG file cannot be cut without loss: " + trimmed(tjGetErrorStr2(handle.get())) + ".");
  if (subsampling < 0 || subsampling >= TJ_NUMSAMP)
    return Result<CutWork>::failure(
        "The JPEG file cannot be cut without loss: its colour subsampling is not a known one.");
  auto header = readJpegHeader(file.data(), file.size());
  if (!header) return Result<CutWork>::failure(header.status());
  if (header->coefficientBytes > static_cast<uint64_t>(kJpegMemoryLimit))
    return Result<CutWork>::failure(
        "The JPEG picture is too large to be cut without loss in the memory allowed.");

  CutWork work;
  work.header = header.take();
  LosslessCutPlan& plan = work.plan;
  plan.requested = box;
  plan.orientation = options.applyOrientation ? work.header.metadata.orientation : 1;
  work.operation = operationFor(plan.orientation);
  const bool swaps = work.operation == TJXOP_TRANSPOSE || work.operation == TJXOP_TRANSVERSE ||
                     work.operation == TJXOP_ROT90 || work.operation == TJXOP_ROT270;
  plan.pictureWidth = swaps ? height : width;
  plan.pictureHeight = swaps ? width : height;
  const int blockWidth = tjMCUWidth[subsampling], blockHeight = tjMCUHeight[subsampling];
  // A turned picture's blocks are turned too; TurboJPEG checks the crop
  // against the stored grid and the library under it against the turned
  // one, so a turn that swaps the sides needs both (the larger: powers of 2).
  plan.gridWidth = swaps ? std::max(blockWidth, blockHeight) : blockWidth;
  plan.gridHeight = swaps ? std::max(blockWidth, blockHeight) : blockHeight;

  const int64_t right = int64_t(box.x) + box.width, bottom = int64_t(box.y) + box.height;
  if (box.x < 0 || box.y < 0 || box.width < 1 || box.height < 1 || right > plan.pictureWidth ||
      bottom > plan.pictureHeight)
    return Result<CutWork>::failure(
        "The box " + std::to_string(box.width) + " x " + std::to_string(box.height) + " at " +
        std::to_string(box.x) + ", " + std::to_string(box.y) + " is not inside the picture of " +
        std::to_string(plan.pictureWidth) + " x " + std::to_string(plan.pictureHeight) + ".");

  int32_t shiftX = 0, shiftY = 0;
  partialShift(work.operation, width, height, blockWidth, blockHeight, &shiftX, &shiftY);
  work.perfect = shiftX == 0 && shiftY == 0;
  if (box.x < shiftX || box.y < shiftY)
    return Result<CutWork>::failure(
        "The box reaches into the partial blocks at the picture's edge, which cannot be turned "
        "upright without loss.");
  plan.adjusted.x = onGrid(box.x, shiftX, plan.gridWidth);
  plan.adjusted.y = onGrid(box.y, shiftY, plan.gridHeight);
  plan.adjusted.width = static_cast<int32_t>(right - plan.adjusted.x);
  plan.adjusted.height = static_cast<int32_t>(bottom - plan.adjusted.y);
  work.region = plan.adjusted;
  work.region.x -= shiftX;
  work.region.y -= shiftY;
  return work;
}

}  // namespace lossless_detail

Result<LosslessCutPlan> planLosslessJpegCut(const std::string& source, const PixelBox& box,
                                            const ReadOptions& options) {
  std::vector<uint8_t> file;
  switch (readWholeFile(source, &file)) {
    case WholeFileStatus::kRead: break;
    case WholeFileStatus::kCannotOpen:
      return Result<LosslessCutPlan>::failure("Cannot open the file " + source + ".");
    case WholeFileStatus::kOutOfMemory: return Result<LosslessCutPlan>::failure("Out of memory.");
  }
  auto work = lossless_detail::planCut(file, box, options);
  if (!work) return Result<LosslessCutPlan>::failure(work.status());
  return work->plan;
}

}  // namespace trimlet

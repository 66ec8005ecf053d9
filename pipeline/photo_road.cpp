// The photo road of Auto Crop (see photo_road.h).
#include "pipeline/photo_road.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "engine/detect/photo_split.h"
#include "engine/detect/straighten.h"
#include "engine/detect/turn.h"
#include "pipeline/piece_layout.h"

namespace trimlet {

namespace {

double minPercent(const CropInputs& in) {
  return normaliseMinPhotoPercent(in.gathered.minPhotoPercent);
}

CropBox boxOf(const DetectedRect& r) { return CropBox{r.left, r.top, r.right + 1, r.bottom + 1}; }

// The pixels of a width x height image whose centres lie inside `rect`.
CropBox pixelsInside(const RotatedRect& rect, int width, int height) {
  const double radians = rect.degrees / kDegreesPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
  for (int corner = 0; corner < 4; ++corner) {
    const double u = (corner & 1 ? 0.5 : -0.5) * rect.width;
    const double v = (corner & 2 ? 0.5 : -0.5) * rect.height;
    const double x = rect.centerX + u * c - v * s, y = rect.centerY + u * s + v * c;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  return boxOf(pixelsWithin(minX, minY, maxX, maxY, width, height));
}

// What the measurement tells about a piece.
void recordTilt(CropPiece& piece, const TiltReading& tilt) {
  piece.measured = true;
  piece.verdict = tilt.verdict;
  piece.degrees = tilt.degrees;
  if (tilt.rect.area() > 0) piece.outline = tilt.rect;
}

// Adds one piece's engine run to the whole outcome.
void addPiece(CropOutcome& all, CropOutcome one, CropPiece record) {
  const bool first = all.pieces.empty();
  if (first || one.boxCutLimit < all.boxCutLimit) all.boxCutLimit = one.boxCutLimit;
  if (first || one.resultCutLimit < all.resultCutLimit) {
    all.resultCutLimit = one.resultCutLimit;
    all.lowered = one.lowered;
    all.scaledSize = one.scaledSize;
  }
  if (first) all.box = record.box;
  record.image = std::move(one.result);
  all.pieces.push_back(std::move(record));
}

// One picture, straightened.
Result<CropOutcome> straightenPicture(const ImageBuffer& source, const CropInputs& in) {
  StraightenOptions options;
  options.minRegionPercent = minPercent(in);
  options.rotationWorkers = in.rotationWorkers;
  auto straight = straightenForeground(source, in.gathered.backgroundColor, in.detector, options);
  if (!straight) return Result<CropOutcome>::failure(straight.reason());
  const ImageBuffer& image = straight->image;
  const CropBox box =
      chooseCropBox(straight->box, in.settings, false, CropBox(), image.width(), image.height());
  auto out = cropAtBox(image, box, in);
  if (!out) return out;
  CropPiece& piece = out->pieces.front();
  recordTilt(piece, straight->tilt);
  if (piece.degrees != 0.0)
    piece.box = pixelsInside(straight->tilt.rect, source.width(), source.height());
  return out;
}

// Every photo of the page on its own.
Result<CropOutcome> splitPage(const ImageBuffer& source, const CropInputs& in) {
  SplitOptions options;
  options.minPhotoPercent = minPercent(in);
  const Rgb background = in.gathered.backgroundColor;
  auto photos = findPhotos(source, background, in.detector, options);
  if (!photos) return Result<CropOutcome>::failure(photos.reason());
  if (photos->empty()) {
    return Result<CropOutcome>::failure("No photo was found: no part of the page covers " +
                                        std::to_string(int(options.minPhotoPercent)) + " % of it.");
  }
  CropOutcome all;
  all.detector = in.detector;
  for (FoundPhoto photo : *photos) {
    if (!in.gathered.autoRotate) photo.tilt.degrees = 0;  // cut as it lies
    DetectedRect cut;
    auto piece = cutPhoto(source, photo, background, in.detector, true, &cut, in.rotationWorkers);
    if (!piece) return Result<CropOutcome>::failure(piece.reason());
    auto out = cropAtBox(*piece, CropBox{0, 0, piece->width(), piece->height()}, in);
    if (!out) return out;
    CropPiece record = std::move(out->pieces.front());
    out->pieces.clear();
    recordTilt(record, photo.tilt);
    record.box = record.degrees == 0.0 ? boxOf(cut) : boxOf(photo.box);
    addPiece(all, out.take(), std::move(record));
  }
  return all;
}

}  // namespace

bool findsPhotos(const CropInputs& in) {
  return in.settings.croppingMode == CroppingMode::kAuto &&
         (in.gathered.autoRotate != 0 || in.gathered.splitPhotos != 0);
}

Result<CropOutcome> cropPhotos(const ImageBuffer& source, const CropInputs& in) {
  if (!in.gathered.splitPhotos) return straightenPicture(source, in);
  auto split = splitPage(source, in);
  if (!split) return split;
  CropOutcome& all = *split;
  if (all.pieces.size() == 1) {
    all.result = std::move(all.pieces.front().image);
  } else if (in.composite) {
    auto composite = composePieces(all.pieces, in.gathered.backgroundColor);
    if (!composite) return Result<CropOutcome>::failure(composite.reason());
    all.result = composite.take();
  }
  return split;
}

}  // namespace trimlet

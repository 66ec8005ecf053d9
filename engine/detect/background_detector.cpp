// BackgroundDetector::detect: mask, noise filter and rectangle scans.
#include "engine/detect/background_detector.h"

#include <string>

#include "engine/detect/noise_filter.h"
#include "engine/detect/row_extents.h"
#include "engine/image/checked_size.h"

namespace trimlet {

Status BackgroundDetector::detect(const uint8_t* pixels, int width, int height, int bytesPerPixel,
                                  Rgb background) {
  std::string reason;
  size_t count = 0;
  if (!imageByteCount(width, height, 1, &count, &reason)) return Status::failure(reason);
  if (pixels == nullptr) return Status::failure("There is no image to examine.");

  const int step = bytesPerPixel == 4 ? 4 : 3;
  if (wholeSelect_) {
    width_ = width;
    height_ = height;
    bytesPerPixel_ = bytesPerPixel;
    rect_ = DetectedRect{0, 0, width - 1, height - 1};
    return Status::success();
  }

  // The mask lives for this detection only (a one-byte buffer, so a thread
  // with a pool reuses its block from image to image). The filtered mask is
  // never held whole: the rectangle needs only where each filtered row's
  // foreground starts and ends.
  auto mask = ImageBuffer::create(width, height, 1);
  detail::RowExtentSink extents(width, height);
  if (!mask || !extents.ok()) {
    return Status::failure("There is not enough memory to examine the image.");
  }
  computeForegroundMask(pixels, width, height, step, background, tolerance_, mask->data());
  Status filtered =
      detail::filterRows(mask->data(), width, height, filterSize_, noiseThreshold_, extents);
  if (!filtered) return filtered;

  detail::ScanOutcome outcome;
  outcome.topHitColumn = topHitColumn_;
  outcome.leftHitRow = leftHitRow_;
  outcome.rightHitRow = rightHitRow_;
  detail::rectangleFromExtents(extents.extents(), outcome);

  width_ = width;
  height_ = height;
  bytesPerPixel_ = bytesPerPixel;
  rect_ = outcome.rect;
  topHitColumn_ = outcome.topHitColumn;
  leftHitRow_ = outcome.leftHitRow;
  rightHitRow_ = outcome.rightHitRow;
  return Status::success();
}

Status BackgroundDetector::detect(const ImageBuffer& image, Rgb background) {
  if (!image.empty() && image.channels() != 3 && image.channels() != 4) {
    return Status::failure("The image to examine must have three or four channels.");
  }
  return detect(image.data(), image.width(), image.height(), image.channels(), background);
}

}  // namespace trimlet

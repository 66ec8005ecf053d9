// When a batch cuts JPEG files losslessly (see batch_lossless.h).
#include "output/batch/batch_lossless.h"

#include "engine/geometry/rotate.h"

namespace trimlet {

bool roadOnlyCuts(const CropSettings& s, const CropPiece& piece) {
  if (s.fixedSize || s.edgeCheck) return false;
  if (s.croppingMode == CroppingMode::kManual) {
    const RotationPlan plan = planRotation(s.rotationDegree);
    return plan.quarterTurns == 0 && plan.remaining == 0.0 && !s.flipHorizontal && !s.flipVertical;
  }
  return piece.degrees == 0.0;
}

bool wantsLosslessCut(const CropSettings& s, SourceFormat source, SourceFormat writer,
                      const CropPiece& piece) {
  return s.losslessJpeg && source == SourceFormat::kJpeg && writer == SourceFormat::kJpeg &&
         roadOnlyCuts(s, piece);
}

PixelBox pictureBox(const CropBox& box, int sourceHeight) {
  return PixelBox{box.left, sourceHeight - box.bottom, box.width(), box.height()};
}

}  // namespace trimlet

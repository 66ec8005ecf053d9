#pragma once
// One image's road from decoded pixels to the result, as plain functions of
// their inputs: no files, no windows, nothing kept between calls.
//
//   configureDetector  the detector's parameters for the cropping mode: in
//                      Auto Crop the gathered tolerance, threshold and filter
//                      size; in Manual Crop 0, 0, 0 (every pixel foreground,
//                      so detection yields the whole image).
//   chooseCropBox      the box to cut: in Manual Crop with a valid manual
//                      rectangle the stored box fitted into the source again;
//                      otherwise the detected rectangle (the whole image when
//                      it spans either direction), right and bottom exclusive.
//   cropAtBox          the crop engine on that box (crop_engine.h), then in
//                      Manual Crop the flips: left-right, then top-bottom.
//   cropImage          all of it for a batch: the WholeSelect rectangle,
//                      detection, the box, the engine; in Auto Crop with
//                      Auto Rotate or Split Photos the photo road instead
//                      (photo_road.h: straighten, split, then the engine on
//                      each piece).
//
// Pieces: every outcome lists what it cut as pieces, one for a plain crop or
// a straightened picture, one per photo found for a split. `result` is the
// result when there is one piece (the piece's own `image` then stays empty:
// pieceImage() finds it); with several, each piece holds its image and
// `result` is their composite (piece_layout.h) when the inputs ask for it,
// else empty. A caller that set `shareSource` reads the pieces through
// pieceView(): a plain cut is then a box of the source, never copied.
//
// What the road writes back to the settings panel comes out as values in
// CropOutcome (the inward-cut limits, the lowered side amounts, the fixed size
// reached by scaling one side), together with the detector as the run left
// it: a rotation in Manual Crop detects again on the turned picture with the
// detector's parameters, and the preview keeps that detector for its next run.

#include <optional>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/detect/min_area_rect.h"
#include "engine/detect/region_tilt.h"
#include "engine/image/image_buffer.h"
#include "engine/image/image_view.h"
#include "engine/result.h"
#include "engine/settings/crop_settings.h"
#include "pipeline/crop_box.h"
#include "pipeline/frame_list.h"

namespace trimlet {

struct CropInputs {
  // The panel's fields as they are now (mode, manual rectangle, rotation,
  // flips, fixed size, edge check ...).
  CropSettings settings;
  // The gathered values the road uses (tolerance, filter, cut amounts and
  // unit, colours, Additive).
  GatheredSettings gathered;
  std::vector<FrameLayer> frames;
  bool keepAlpha = false;
  // A batch: a lowered inward amount holds for this image only.
  bool batch = false;
  // The source view's WholeSelect option: the manual rectangle is the whole
  // image and the detector reports the whole image.
  bool wholeSelect = false;
  // The stored manual box (buffer coordinates) and whether it holds one.
  bool manualRectValid = false;
  CropBox manualBox;
  // The detector with its parameters and its last findings.
  BackgroundDetector detector;
  // Several pieces: build `result` as their composite (the preview's view).
  bool composite = false;
  // Threads a turn may use: 2 lets a large image use the second core; a
  // batch running one job per core gives 1.
  int rotationWorkers = 2;
  // The caller keeps the source unchanged until it is done with the
  // outcome: a result that is nothing but a box of the source (Auto Crop,
  // no fixed size, no edge check, the source's channel count) is then not
  // copied out; the outcome names the box in `sharedBox` instead.
  bool shareSource = false;
};

// The side amounts and cut value an interactive inward cut lowered.
struct LoweredCut {
  SideAmounts sides;
  int cutValue = 0;
};

// One picture the road cut, and where it came from.
struct CropPiece {
  // Buffer coordinates of the source, right and bottom exclusive: the box
  // cut from it when `degrees` is 0, else the bounding box of the picture
  // that was turned (what the source view outlines).
  CropBox box;
  // The measured outline on the source (pixel-corner buffer coordinates,
  // min_area_rect.h); the box itself, at 0 degrees, when nothing was
  // measured.
  RotatedRect outline;
  double degrees = 0;  // the straightening turn; 0 when cut as it lies
  TiltVerdict verdict = TiltVerdict::kNothingToMeasure;
  bool measured = false;  // a tilt was measured (straightening or splitting)
  int cutWidth = 0;       // the size cut, before fixed size, edges and frame
  int cutHeight = 0;
  ImageBuffer image;  // the piece's result when the outcome has several
};

struct CropOutcome {
  ImageBuffer result;  // empty when `sharedBox` holds the result
  // The source box that is the whole result, when the inputs allowed
  // sharing and nothing but the cut was asked for.
  std::optional<CropBox> sharedBox;
  CropBox box;                         // the box cut from the source
  int boxCutLimit = 0;                 // min(box width, box height) / 2 - 1
  int resultCutLimit = 0;              // the same for the result before the inward cut
  std::optional<LoweredCut> lowered;   // interactive inward amounts lowered
  std::optional<CropRect> scaledSize;  // width, height after scaling one side
  BackgroundDetector detector;         // as the run left it
  std::vector<CropPiece> pieces;       // in reading order, at least one

  // The result of piece i: `result` for a single piece, else its own image.
  const ImageBuffer& pieceImage(size_t i) const {
    return pieces.size() == 1 ? result : pieces[i].image;
  }
  // The pixels of piece i to read: the shared box of `source` (the image
  // the road was given) or the piece's own image.
  ImageView pieceView(size_t i, const ImageBuffer& source) const {
    if (sharedBox && pieces.size() == 1)
      return ImageView::box(source, sharedBox->left, sharedBox->top, sharedBox->width(),
                            sharedBox->height());
    return pieceImage(i);
  }
};

void configureDetector(BackgroundDetector& detector, CroppingMode mode,
                       const GatheredSettings& gathered, bool wholeSelect);

CropBox chooseCropBox(const DetectedRect& detected, const CropSettings& settings,
                      bool manualRectValid, const CropBox& manualBox, int width, int height);

// The engine and the flips on `box` (which must lie inside the source).
Result<CropOutcome> cropAtBox(const ImageBuffer& source, const CropBox& box,
                              const CropInputs& inputs);

// The whole road for a batch. `inputs.detector` gets its parameters here.
Result<CropOutcome> cropImage(const ImageBuffer& source, CropInputs inputs);

}  // namespace trimlet

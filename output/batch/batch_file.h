#pragma once
// The batch's work on one file: read it, crop it by the job's settings (the
// plain road of pipeline/crop_road.h) and write the result by the output
// format, after the overwrite policy agreed. The window's batch and
// trimlet-batch both run it, so both write the same files.
//
//   makeBatchJob     the settings as the window's panel would hand them over
//                    at the start of a batch: gathered once, without the
//                    inward pixel limit (no image is known yet; each image's
//                    own limit applies in the crop), and the Additive frame
//                    list that one gather builds.
//   processBatchFile the road for one file. The target is the output folder,
//                    the name with its affix, and the extension of the
//                    output format (the source's own name and writer for
//                    "same as the source"). A dry run writes nothing and
//                    reports what would be written.
//
// Reading: the source is turned upright by its EXIF orientation unless
// Honour Orientation is off; its metadata (colour profile, EXIF, XMP) goes
// into JPEG and PNG results (image_format.h); blocks that cannot be read or
// carried are left out with a warning, never failing the file.
// Pieces: with Split Photos every photo found is written on its own, photo n
// to the target numbered "_n" before its extension (output_name.h), each
// through the overwrite policy, in reading order; otherwise the one result to
// the target itself. Each piece gets a record: its box and angle, its
// result's size, its target and what became of it.
// Lossless JPEG: a piece the road only cut (batch_lossless.h) is cut from
// the JPEG file itself; its box's left and top edges move outward to the
// block grid, which the record shows (also in a dry run). When the file
// refuses the cut the decoded piece is encoded as usual and the record's
// note says why.
// Leftovers: before the first write into a folder, the job's sweep removes
// the temporary files killed writers left there (temporary_sweep.h).
// The overall outcome: the first failed write if any, else written when any
// piece was written, else skipped; a dry run is kProcessed.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/settings/crop_settings.h"
#include "imagefile/lossless_jpeg.h"
#include "output/batch/batch_walk.h"
#include "output/batch/output_name.h"
#include "output/batch/overwrite_check.h"
#include "output/batch/temporary_sweep.h"
#include "pipeline/crop_box.h"
#include "pipeline/crop_road.h"
#include "pipeline/file_outcome.h"
#include "pipeline/frame_list.h"

namespace trimlet {

struct BatchJob {
  CropSettings settings;  // normalised by the gather
  GatheredSettings gathered;
  std::vector<FrameLayer> frames;
  bool wholeSelect = false;      // "Controls" / "WholeSelect"
  bool manualRectValid = false;  // a stored manual rectangle is in use
  std::string affix;
  AffixPosition affixPosition = AffixPosition::kPrefix;
  bool dryRun = false;
  // Shared by the copies of a job (one per worker): each folder once.
  std::shared_ptr<TemporarySweep> sweep = std::make_shared<TemporarySweep>();
};

BatchJob makeBatchJob(CropSettings settings, bool wholeSelect, bool manualRectValid);

// One picture written (or to be written) from a source.
struct BatchPieceRecord {
  int number = 0;  // 1, 2 ... of a split; 0 for the one result otherwise
  CropBox box;     // on the source, buffer coordinates (CropPiece::box)
  double degrees = 0;
  bool measured = false;
  TiltVerdict verdict = TiltVerdict::kNothingToMeasure;
  int resultWidth = 0;  // of the file written (the lossless cut's adjusted box)
  int resultHeight = 0;
  std::string target;                                      // after a rename by the overwrite policy
  FileOutcome::Kind kind = FileOutcome::Kind::kProcessed;  // kProcessed in a dry run,
                                                           // kWritten, kSkipped, kWriteFailed
  std::string reason;                                      // of a failed write
  std::optional<PixelBox> lossless;                        // the box the lossless cut writes
  std::string note;                                        // why a wanted lossless cut was not made
  std::vector<std::string> warnings;                       // metadata left out of this result
};

struct BatchFileResult {
  FileOutcome outcome;  // kNotImage, kReadFailed, kCropFailed, kProcessed (dry run),
                        // kWritten, kSkipped or kWriteFailed
  std::string source;   // folder + name
  std::string target;   // where the (first) result goes or would go
  int sourceWidth = 0;
  int sourceHeight = 0;
  CropBox box;          // the box cut from the source, in buffer coordinates (the first piece's)
  int resultWidth = 0;  // of the first piece
  int resultHeight = 0;
  std::vector<BatchPieceRecord> pieces;
  std::vector<std::string> warnings;  // the source's metadata that could not be read
};

BatchFileResult processBatchFile(const BatchJob& job, const BatchItem& item,
                                 OverwritePolicy& policy);

}  // namespace trimlet

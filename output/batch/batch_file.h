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

#include <string>
#include <vector>

#include "engine/settings/crop_settings.h"
#include "output/batch/batch_walk.h"
#include "output/batch/output_name.h"
#include "output/batch/overwrite_check.h"
#include "pipeline/crop_box.h"
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
};

BatchJob makeBatchJob(CropSettings settings, bool wholeSelect, bool manualRectValid);

struct BatchFileResult {
  FileOutcome outcome;  // kNotImage, kReadFailed, kCropFailed, kProcessed (dry run),
                        // kWritten, kSkipped or kWriteFailed
  std::string source;   // folder + name
  std::string target;   // where the result goes (or would go)
  int sourceWidth = 0;
  int sourceHeight = 0;
  CropBox box;  // the box cut from the source, in buffer coordinates
  int resultWidth = 0;
  int resultHeight = 0;
};

BatchFileResult processBatchFile(const BatchJob& job, const BatchItem& item,
                                 OverwritePolicy& policy);

}  // namespace trimlet

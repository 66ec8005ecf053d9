// The batch's work on one file (see batch_file.h).
#include "output/batch/batch_file.h"

#include <climits>
#include <utility>

#include "engine/image/pixel_layout.h"
#include "imagefile/image_format.h"
#include "pipeline/crop_road.h"
#include "pipeline/source_image.h"

namespace trimlet {

BatchJob makeBatchJob(CropSettings settings, bool wholeSelect, bool manualRectValid) {
  BatchJob job;
  const int limit = settings.inwardCutLimit;
  settings.inwardCutLimit = INT_MAX;
  job.gathered = gatherSettings(settings);
  settings.inwardCutLimit = limit;
  job.settings = settings;
  updateFrameList(job.frames, GatheredSettings(), job.gathered);
  job.wholeSelect = wholeSelect;
  job.manualRectValid = manualRectValid;
  return job;
}

BatchFileResult processBatchFile(const BatchJob& job, const BatchItem& item,
                                 OverwritePolicy& policy) {
  BatchFileResult r;
  r.source = item.folder + item.name;
  const OutputFormat format = job.settings.outputFormat;
  r.target = targetPathFor(outputPathFor(item.outputFolder, item.name, job.affix,
                                         job.affixPosition),
                           format);
  const SourceFormat sourceFormat = sourceFormatOf(item.name);
  if (sourceFormat == SourceFormat::kNone) return r;

  auto read = readSourceImage(sourceFormat, r.source);
  if (!read) {
    r.outcome.kind = FileOutcome::Kind::kReadFailed;
    r.outcome.reason = read.reason();
    return r;
  }
  r.sourceWidth = read->pixels.width();
  r.sourceHeight = read->pixels.height();

  CropInputs inputs;
  inputs.settings = job.settings;
  inputs.gathered = job.gathered;
  inputs.frames = job.frames;
  inputs.keepAlpha = keepAlphaFor(read->readerChannels, format);
  inputs.batch = true;
  inputs.wholeSelect = job.wholeSelect;
  inputs.manualRectValid = job.manualRectValid;
  auto cropped = cropImage(read->pixels, std::move(inputs));
  if (!cropped || cropped->result.empty()) {
    r.outcome.kind = FileOutcome::Kind::kCropFailed;
    r.outcome.reason = cropped ? "The image could not be processed." : cropped.reason();
    return r;
  }
  r.box = cropped->box;
  r.resultWidth = cropped->result.width();
  r.resultHeight = cropped->result.height();
  if (job.dryRun) {
    r.outcome.kind = FileOutcome::Kind::kProcessed;
    return r;
  }

  r.outcome.target = r.target;
  if (policy.keepExisting(r.outcome.target)) {
    r.outcome.kind = FileOutcome::Kind::kSkipped;
    return r;
  }
  WriteOptions options;
  options.jpegQuality = job.settings.jpegQuality;
  options.targaRle = job.settings.targaRLE != 0;
  Status written = writeImageFile(writerFormat(format, sourceFormat), r.outcome.target,
                                  cropped->result, options);
  if (!written) {
    r.outcome.kind = FileOutcome::Kind::kWriteFailed;
    r.outcome.reason = written.reason();
    return r;
  }
  r.outcome.kind = FileOutcome::Kind::kWritten;
  return r;
}

}  // namespace trimlet

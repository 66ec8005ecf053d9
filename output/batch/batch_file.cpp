// The batch's work on one file (see batch_file.h).
#include "output/batch/batch_file.h"

#include <climits>
#include <utility>

#include "engine/detect/row_split.h"
#include "engine/image/pixel_layout.h"
#include "imagefile/image_format.h"
#include "output/batch/batch_lossless.h"
#include "pipeline/crop_road.h"
#include "pipeline/source_image.h"

namespace trimlet {

namespace {

// The folder of a target path ("" for a bare name: the current folder).
std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// What one file's pieces share on their way to the disk.
struct PieceWriter {
  const BatchJob& job;
  const ImageMetadata& metadata;
  int sourceHeight;
  const std::string& sourcePath;
  SourceFormat sourceFormat;
  SourceFormat writer;
  ReadOptions readOptions;
  OverwritePolicy& policy;
};

// A lossless cut of the piece's box: planned in a dry run, made otherwise.
// False (with the record's note) when the file refuses it.
bool cutLosslessly(const PieceWriter& w, const CropPiece& piece, BatchPieceRecord& record) {
  const PixelBox box = pictureBox(piece.box, w.sourceHeight);
  LosslessCutPlan plan;
  if (w.job.dryRun) {
    auto planned = planLosslessJpegCut(w.sourcePath, box, w.readOptions);
    if (!planned) {
      record.note = "not cut losslessly: " + planned.reason();
      return false;
    }
    plan = *planned;
  } else {
    auto cut = cutJpegLosslessly(w.sourcePath, record.target, box, w.readOptions);
    if (!cut) {
      record.note = "not cut losslessly: " + cut.reason();
      return false;
    }
    plan = cut->plan;
    record.warnings = cut->warnings;
    record.kind = FileOutcome::Kind::kWritten;
  }
  record.lossless = plan.adjusted;
  record.resultWidth = plan.adjusted.width;
  record.resultHeight = plan.adjusted.height;
  return true;
}

// Writes one piece (or, in a dry run, says what would be written).
void writePiece(const PieceWriter& w, const CropPiece& piece, const ImageView& image,
                BatchPieceRecord& record) {
  record.resultWidth = image.width();
  record.resultHeight = image.height();
  const bool lossless = wantsLosslessCut(w.job.settings, w.sourceFormat, w.writer, piece);
  if (w.job.dryRun) {
    if (lossless) cutLosslessly(w, piece, record);
    return;
  }
  if (w.policy.keepExisting(record.target)) {
    record.kind = FileOutcome::Kind::kSkipped;
    return;
  }
  w.job.sweep->sweep(folderOf(record.target));
  if (lossless && cutLosslessly(w, piece, record)) return;
  WriteOptions options;
  options.jpegQuality = w.job.settings.jpegQuality;
  options.targaRle = w.job.settings.targaRLE != 0;
  Status written = writeImageFileWithMetadata(w.writer, record.target, image, options, w.metadata,
                                              &record.warnings);
  if (!written) {
    record.kind = FileOutcome::Kind::kWriteFailed;
    record.reason = written.reason();
    return;
  }
  record.kind = FileOutcome::Kind::kWritten;
}

// The file's outcome from its pieces' (see batch_file.h).
void summarise(BatchFileResult& r, bool dryRun) {
  const BatchPieceRecord& first = r.pieces.front();
  r.box = first.box;
  r.resultWidth = first.resultWidth;
  r.resultHeight = first.resultHeight;
  if (dryRun) {
    r.outcome.kind = FileOutcome::Kind::kProcessed;
    return;
  }
  r.outcome.kind = FileOutcome::Kind::kSkipped;
  r.outcome.target = first.target;
  for (const BatchPieceRecord& piece : r.pieces) {
    if (piece.kind == FileOutcome::Kind::kWriteFailed) {
      r.outcome.kind = FileOutcome::Kind::kWriteFailed;
      r.outcome.target = piece.target;
      r.outcome.reason = piece.reason;
      return;
    }
    if (piece.kind == FileOutcome::Kind::kWritten &&
        r.outcome.kind == FileOutcome::Kind::kSkipped) {
      r.outcome.kind = FileOutcome::Kind::kWritten;
      r.outcome.target = piece.target;
    }
  }
}

}  // namespace

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
  r.target = targetPathFor(
      outputPathFor(item.outputFolder, item.name, job.affix, job.affixPosition), format);
  const SourceFormat sourceFormat = sourceFormatOf(item.name);
  if (sourceFormat == SourceFormat::kNone) return r;

  // Jobs run one per core: detection stays on this job's thread too.
  DetectOnOneThread oneThread;
  ReadOptions readOptions;
  readOptions.applyOrientation = job.gathered.honourOrientation != 0;
  auto read = readSourceImage(sourceFormat, r.source, readOptions);
  if (!read) {
    r.outcome.kind = FileOutcome::Kind::kReadFailed;
    r.outcome.reason = read.reason();
    return r;
  }
  r.sourceWidth = read->pixels.width();
  r.sourceHeight = read->pixels.height();
  r.warnings = read->metadata.warnings;

  CropInputs inputs;
  inputs.settings = job.settings;
  inputs.gathered = job.gathered;
  inputs.frames = job.frames;
  inputs.keepAlpha = keepAlphaFor(read->readerChannels, format);
  inputs.batch = true;
  inputs.wholeSelect = job.wholeSelect;
  inputs.manualRectValid = job.manualRectValid;
  // Jobs run one per core: each keeps its turns on its own thread.
  inputs.rotationWorkers = 1;
  // The source stays until the pieces are written: a plain cut is written
  // from it directly.
  inputs.shareSource = true;
  auto cropped = cropImage(read->pixels, std::move(inputs));
  if (!cropped || cropped->pieces.empty() || cropped->pieceView(0, read->pixels).empty()) {
    r.outcome.kind = FileOutcome::Kind::kCropFailed;
    r.outcome.reason = cropped ? "The image could not be processed." : cropped.reason();
    return r;
  }

  // Pieces that are buffers of their own do not need the source's pixels:
  // they can go before anything is encoded.
  if (!cropped->sharedBox) read->pixels.reset();

  const bool split = job.gathered.splitPhotos && job.settings.croppingMode == CroppingMode::kAuto;
  const PieceWriter writer{job,         read->metadata, r.sourceHeight,
                           r.source,    sourceFormat,   writerFormat(format, sourceFormat),
                           readOptions, policy};
  for (size_t i = 0; i < cropped->pieces.size(); ++i) {
    const CropPiece& piece = cropped->pieces[i];
    BatchPieceRecord record;
    record.number = split ? int(i) + 1 : 0;
    record.box = piece.box;
    record.degrees = piece.degrees;
    record.measured = piece.measured;
    record.verdict = piece.verdict;
    record.target = split ? numberedPath(r.target, record.number) : r.target;
    writePiece(writer, piece, cropped->pieceView(i, read->pixels), record);
    r.pieces.push_back(std::move(record));
  }
  if (split) r.target = numberedPath(r.target, 1);
  summarise(r, job.dryRun);
  return r;
}

}  // namespace trimlet

#include "engine/pipeline/image_pipeline.h"

#include <algorithm>

#include "engine/geometry/mirror.h"
#include "engine/image/pixel_layout.h"
#include "engine/pipeline/crop_engine.h"
#include "engine/pipeline/output_name.h"
#include "engine/settings/settings_persistence.h"
#include "imagefile/image_format.h"

namespace trimlet {

const char* const kMissingFileMessage =
    "The file you are selecting does not exist in this directory. Please refresh the directory.";

namespace {
const char* const kTitle = "Trimlet";
const char* const kTitlePrefix = "Trimlet - ";
}  // namespace

ImagePipeline::ImagePipeline(SettingsPanelPort& panel, PipelineHost& host)
    : panel_(panel), host_(host) {}

void ImagePipeline::load(ProfileStore& store) {
  CropSettings& f = panel_.fields();
  copy_.edgeType = readPreviewSettings(store, f);
  copy_.tolerance = f.tolerance;
  copy_.filterSize = f.filterSize;
  copy_.noiseThreshold = f.noiseThreshold;
  copy_.fillColor = f.fillColor;
  copy_.backgroundColor = f.backgroundColor;
  copy_.fixedColor = f.fixedColor;
  copy_.autoRotate = f.autoRotate;
  copy_.regularRectangle = f.regularRectangle;
  f.maxFilterSize = kMaxFilterSize;
  panel_.showFields();
}

void ImagePipeline::save(ProfileStore& store) const {
  CropSettings values = panel_.fields();
  values.fillColor = copy_.fillColor;
  values.backgroundColor = copy_.backgroundColor;
  values.fixedColor = copy_.fixedColor;
  values.autoRotate = copy_.autoRotate;
  values.regularRectangle = copy_.regularRectangle;
  writePreviewSettings(store, values);
}

void ImagePipeline::OpenImage(const std::string& name) {
  currentFileName_ = name;
  releaseImages();
  panel_.setImageSeen();
  host_.clearViews();
  host_.setTitle(kTitlePrefix + name);
  if (sourceFormatOf(name) == kSourceNone) return;
  keepAlpha_ = false;
  imageShown_ = true;
  host_.setBusy(true);
  ProcessFile(currentFolder_, name);
  host_.setBusy(false);
  host_.updateStatus(statusSizes());
}

void ImagePipeline::ApplySettings() {
  const GatheredSettings next = panel_.gather();
  if (next == copy_) return;
  updateFrameList(frames_, copy_, next);
  copy_ = next;
  if (!imageShown_) return;
  keepAlpha_ = false;
  host_.setBusy(true);
  ProcessFile(currentFolder_, currentFileName_);
  host_.setBusy(false);
  host_.updateStatus(statusSizes());
}

bool ImagePipeline::chosenFileMissing() {
  // In a batch every file comes from the scan and is checked by its reader;
  // the file chosen in the list does not matter there.
  if (saveAfterProcessing_ || host_.chosenFileExists()) return false;
  panel_.disableAll();
  host_.showMessage(kMissingFileMessage);
  return true;
}

FileOutcome ImagePipeline::ProcessFile(const std::string& folder, const std::string& name) {
  FileOutcome outcome;
  if (chosenFileMissing()) {
    outcome.kind = FileOutcome::kMissing;
    outcome.reason = kMissingFileMessage;
    return outcome;
  }
  outputPath_ = outputPathFor(outputFolder_, name, affixText_, affixPosition_);
  releaseImages();
  sourceFormat_ = sourceFormatOf(name);
  if (sourceFormat_ == kSourceNone) return outcome;

  const std::string path = folder + name;
  auto read = readImageFile(sourceFormat_, path);
  if (!read) {
    host_.clearViews();
    panel_.disableAll();
    host_.reportReadFailure(path, sourceFormat_, read.reason());
    outcome.kind = FileOutcome::kReadFailed;
    outcome.reason = read.reason();
    return outcome;
  }
  ImageBuffer image = read.take();
  const int readerChannels = image.channels();
  if (readerChannels == 1) {
    auto rgb = expandGrey(image);
    if (!rgb) {
      outcome.kind = FileOutcome::kCropFailed;
      outcome.reason = rgb.reason();
      return outcome;
    }
    image = rgb.take();
  }
  CropSettings& f = panel_.fields();
  keepAlpha_ = keepAlphaFor(readerChannels, f.outputFormat);
  source_ = std::move(image);
  host_.showSource(source_);

  const bool whole = host_.wholeSelect();
  if (whole) {
    f.cropX = 0;
    f.cropY = 0;
    f.cropWidth = source_.width();
    f.cropHeight = source_.height();
    panel_.showFields();
  }
  if (f.croppingMode == kAutoCrop) {
    detector_.setTolerance(copy_.tolerance);
    detector_.setNoiseThreshold(copy_.noiseThreshold);
    detector_.setFilterSize(copy_.filterSize);
  } else {
    detector_.setTolerance(0);
    detector_.setNoiseThreshold(0);
    detector_.setFilterSize(0);
  }
  detector_.setWholeSelect(whole);
  Status detected = detector_.detect(source_, copy_.backgroundColor);
  if (!detected) {
    outcome.kind = FileOutcome::kCropFailed;
    outcome.reason = detected.reason();
    return outcome;
  }

  cropFailed_ = false;
  if (f.croppingMode == kManualCrop && manualRectValid_)
    ApplyManualRectangle();
  else
    ApplyCrop();
  if (cropFailed_ || result_.empty()) {
    outcome.kind = FileOutcome::kCropFailed;
    outcome.reason = cropFailure_.empty() ? "The image could not be processed." : cropFailure_;
    return outcome;
  }
  if (!saveAfterProcessing_) {
    outcome.kind = FileOutcome::kProcessed;
    return outcome;
  }
  return writeResult();
}

void ImagePipeline::ApplyManualRectangle() {
  if (chosenFileMissing() || source_.empty()) return;
  manualRectValid_ = true;
  const CropSettings& f = panel_.fields();
  cropBox_ = manualCropBox(CropRect{f.cropX, f.cropY, f.cropWidth, f.cropHeight},
                           source_.width(), source_.height());
  ApplyCrop();
  host_.updateStatus(statusSizes());
}

void ImagePipeline::ApplyCrop() {
  if (chosenFileMissing() || source_.empty()) return;
  host_.setBusy(true);
  cropFailed_ = false;
  const CropSettings& f = panel_.fields();
  const int w = source_.width();
  const int h = source_.height();
  CropBox box;
  if (f.croppingMode != kAutoCrop && manualRectValid_) {
    box = fitBoxInto(cropBox_, w, h);
  } else {
    DetectedRect r = detector_.rectangle();
    if (r.right - r.left >= w || r.bottom - r.top >= h) r = DetectedRect{0, 0, w - 1, h - 1};
    box = fitBoxInto(CropBox{r.left, r.top, r.right + 1, r.bottom + 1}, w, h);
  }
  inwardCutLimit_ = std::min(box.width(), box.height()) / 2 - 1;
  panel_.setInwardCutLimit(inwardCutLimit_);
  cropBox_ = box;

  CropEngine engine(panel_, copy_, detector_);
  CropEngineInput input;
  input.source = &source_;
  input.box = box;
  input.keepAlpha = keepAlpha_;
  input.batch = saveAfterProcessing_;
  input.frames = &frames_;
  auto out = engine.run(input);
  if (out && f.croppingMode == kManualCrop) {
    if (out && f.flipHorizontal) out = mirrorLeftRight(*out);
    if (out && f.flipVertical) out = mirrorTopBottom(*out);
  }
  if (!out) {
    result_.reset();
    cropFailed_ = true;
    cropFailure_ = out.reason();
  } else {
    inwardCutLimit_ = engine.inwardCutLimit();
    result_ = out.take();
    host_.showResult(result_);
  }
  host_.updateStatus(statusSizes());
  host_.setBusy(false);
}

FileOutcome ImagePipeline::writeResult() {
  const int format = panel_.fields().outputFormat;
  const std::string target = targetPathFor(outputPath_, format);
  return writeWith(format == kOutputSame ? sourceFormat_ : format, target);
}

FileOutcome ImagePipeline::writeWith(int format, std::string path) {
  FileOutcome outcome;
  if (result_.empty()) {
    outcome.kind = FileOutcome::kWriteFailed;
    outcome.target = path;
    outcome.reason = "There is no result to save.";
    return outcome;
  }
  if (saveAfterProcessing_ && host_.checkOverwrite(path)) {
    outcome.kind = FileOutcome::kSkipped;
    outcome.target = path;
    return outcome;
  }
  const CropSettings& f = panel_.fields();
  WriteOptions options;
  options.jpegQuality = f.jpegQuality;
  options.targaRle = f.targaRLE != 0;
  Status written = writeImageFile(format, path, result_, options);
  outcome.target = path;
  if (!written) {
    host_.reportWriteFailure(path, written.reason());
    outcome.kind = FileOutcome::kWriteFailed;
    outcome.reason = written.reason();
    return outcome;
  }
  outcome.kind = FileOutcome::kWritten;
  return outcome;
}

FileOutcome ImagePipeline::SaveJpeg(std::string path) { return writeWith(kSourceJpeg, std::move(path)); }
FileOutcome ImagePipeline::SaveTarga(std::string path) { return writeWith(kSourceTarga, std::move(path)); }
FileOutcome ImagePipeline::SavePng(std::string path) { return writeWith(kSourcePng, std::move(path)); }
FileOutcome ImagePipeline::SaveBitmap(std::string path) { return writeWith(kSourceBitmap, std::move(path)); }

void ImagePipeline::clearPreview() {
  releaseImages();
  imageShown_ = false;
  currentFileName_.clear();
  host_.clearViews();
  host_.setTitle(kTitle);
  panel_.disableAll();
  host_.updateStatus(statusSizes());
}

void ImagePipeline::setManualRectangle(const CropRect& rect, int imageWidth, int imageHeight) {
  if (!source_.empty()) {
    imageWidth = source_.width();
    imageHeight = source_.height();
  }
  if (imageWidth > 0 && imageHeight > 0) cropBox_ = manualCropBox(rect, imageWidth, imageHeight);
  manualRectValid_ = true;
}

StatusSizes ImagePipeline::statusSizes() const {
  StatusSizes sizes;
  sizes.sourceWidth = source_.width();
  sizes.sourceHeight = source_.height();
  sizes.resultWidth = result_.width();
  sizes.resultHeight = result_.height();
  return sizes;
}

void ImagePipeline::releaseImages() {
  source_.reset();
  result_.reset();
}

}  // namespace trimlet

#include "pipeline/image_pipeline.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "engine/image/pixel_layout.h"
#include "engine/settings/settings_persistence.h"
#include "pipeline/photo_road.h"
#include "pipeline/source_image.h"

namespace trimlet {

ImagePipeline::ImagePipeline(SettingsPanelPort& panel, PipelineView& view, FailureReports& reports)
    : panel_(panel), view_(view), reports_(reports) {}

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
  copy_.splitPhotos = f.splitPhotos;
  copy_.minPhotoPercent = f.minPhotoPercent;
  copy_.honourOrientation = f.honourOrientation;
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
  values.splitPhotos = copy_.splitPhotos;
  values.minPhotoPercent = copy_.minPhotoPercent;
  values.honourOrientation = copy_.honourOrientation;
  writePreviewSettings(store, values);
}

void ImagePipeline::OpenImage(const std::string& name) {
  currentFileName_ = name;
  releaseImages();
  panel_.setImageSeen();
  view_.clearViews();
  view_.imageOpened(name);
  if (sourceFormatOf(name) == SourceFormat::kNone) return;
  imageShown_ = true;
  processShown();
}

void ImagePipeline::processShown() {
  keepAlpha_ = false;
  view_.setBusy(true);
  ProcessFile(currentFolder_, currentFileName_);
  view_.setBusy(false);
  view_.updateStatus(statusSizes());
}

void ImagePipeline::ApplySettings() {
  const GatheredSettings next = panel_.gather();
  if (next == copy_) return;
  updateFrameList(frames_, copy_, next);
  copy_ = next;
  if (imageShown_) processShown();
}

bool ImagePipeline::chosenFileMissing() {
  if (view_.chosenFileExists()) return false;
  panel_.disableAll();
  reports_.reportMissingFile();
  return true;
}

FileOutcome ImagePipeline::ProcessFile(const std::string& folder, const std::string& name) {
  FileOutcome outcome;
  if (chosenFileMissing()) {
    outcome.kind = FileOutcome::Kind::kMissing;
    return outcome;
  }
  const std::string path = folder + name;
  const bool upright = copy_.honourOrientation != 0;
  const FileStamp stamp = fileStampOf(path);
  // The source held is still the file's own (same path, time and size, read
  // the same way): a settings edit works on it without decoding it again,
  // and the source view already shows it.
  const bool reuse = !source_.empty() && stamp.valid && stamp == sourceStamp_ &&
                     path == sourcePath_ && upright == sourceUpright_;
  if (reuse) {
    result_.reset();
  } else {
    releaseImages();
  }
  sourceFormat_ = sourceFormatOf(name);
  if (sourceFormat_ == SourceFormat::kNone) return outcome;

  CropSettings& f = panel_.fields();
  if (!reuse) {
    ReadOptions options;
    options.applyOrientation = upright;
    auto read = readSourceImage(sourceFormat_, path, options);
    if (!read) {
      view_.clearViews();
      panel_.disableAll();
      reports_.reportReadFailure(path, sourceFormat_, read.reason());
      outcome.kind = FileOutcome::Kind::kReadFailed;
      outcome.reason = read.reason();
      return outcome;
    }
    sourceReaderChannels_ = read->readerChannels;
    source_ = std::move(read->pixels);
    sourceMetadata_ = std::move(read->metadata);
    sourcePath_ = path;
    sourceStamp_ = stamp;
    sourceUpright_ = upright;
    view_.showSource(source_);
  }
  keepAlpha_ = keepAlphaFor(sourceReaderChannels_, f.outputFormat);

  const bool whole = view_.wholeSelect();
  if (whole) {
    f.cropX = 0;
    f.cropY = 0;
    f.cropWidth = source_.width();
    f.cropHeight = source_.height();
    panel_.showFields();
  }
  configureDetector(detector_, f.croppingMode, copy_, whole);
  Status detected = detector_.detect(source_, copy_.backgroundColor);
  if (!detected) {
    outcome.kind = FileOutcome::Kind::kCropFailed;
    outcome.reason = detected.reason();
    return outcome;
  }

  cropFailed_ = false;
  if (f.croppingMode == CroppingMode::kManual && manualRectValid_)
    ApplyManualRectangle();
  else
    ApplyCrop();
  if (cropFailed_ || result_.empty()) {
    outcome.kind = FileOutcome::Kind::kCropFailed;
    outcome.reason = cropFailure_.empty() ? "The image could not be processed." : cropFailure_;
    return outcome;
  }
  outcome.kind = FileOutcome::Kind::kProcessed;
  return outcome;
}

void ImagePipeline::ApplyManualRectangle() {
  if (chosenFileMissing() || source_.empty()) return;
  manualRectValid_ = true;
  const CropSettings& f = panel_.fields();
  cropBox_ = manualCropBox(CropRect{f.cropX, f.cropY, f.cropWidth, f.cropHeight}, source_.width(),
                           source_.height());
  ApplyCrop();
  view_.updateStatus(statusSizes());
}

CropInputs ImagePipeline::inputs() const {
  CropInputs in;
  in.settings = panel_.fields();
  in.gathered = copy_;
  in.frames = frames_;
  in.keepAlpha = keepAlpha_;
  in.manualRectValid = manualRectValid_;
  in.manualBox = cropBox_;
  in.detector = detector_;
  return in;
}

void ImagePipeline::ApplyCrop() {
  if (chosenFileMissing() || source_.empty()) return;
  view_.setBusy(true);
  cropFailed_ = false;
  CropInputs in = inputs();
  if (findsPhotos(in)) {
    in.composite = true;
    applyPhotoRoad(in);
    return;
  }
  const CropBox box = chooseCropBox(detector_.rectangle(), in.settings, manualRectValid_, cropBox_,
                                    source_.width(), source_.height());
  inwardCutLimit_ = std::min(box.width(), box.height()) / 2 - 1;
  panel_.setInwardCutLimit(inwardCutLimit_);
  cropBox_ = box;

  auto out = cropAtBox(source_, box, in);
  if (!out) {
    result_.reset();
    cropFailed_ = true;
    cropFailure_ = out.reason();
  } else {
    takeBack(*out);
    inwardCutLimit_ = out->resultCutLimit;
    result_ = std::move(out->result);
    pieces_ = std::move(out->pieces);
    view_.showResult(result_);
  }
  view_.updateStatus(statusSizes());
  view_.setBusy(false);
}

void ImagePipeline::applyPhotoRoad(const CropInputs& in) {
  auto out = cropPhotos(source_, in);
  if (!out) {
    result_.reset();
    pieces_.clear();
    cropFailed_ = true;
    cropFailure_ = out.reason();
  } else {
    inwardCutLimit_ = out->boxCutLimit;
    panel_.setInwardCutLimit(inwardCutLimit_);
    cropBox_ = out->box;
    takeBack(*out);
    inwardCutLimit_ = out->resultCutLimit;
    result_ = std::move(out->result);
    pieces_ = std::move(out->pieces);
    view_.showResult(result_);
  }
  view_.updateStatus(statusSizes());
  view_.setBusy(false);
}

const ImageBuffer& ImagePipeline::pieceImage(size_t i) const {
  return pieces_.size() == 1 ? result_ : pieces_[i].image;
}

void ImagePipeline::takeBack(const CropOutcome& outcome) {
  detector_ = outcome.detector;
  CropSettings& f = panel_.fields();
  if (outcome.scaledSize) {
    f.fixedWidth = outcome.scaledSize->width;
    f.fixedHeight = outcome.scaledSize->height;
    panel_.showFields();
  }
  panel_.setInwardCutLimit(outcome.resultCutLimit);
  if (outcome.lowered) {
    const SideAmounts& s = outcome.lowered->sides;
    auto lower = [](int value, int& panelSide, int& copySide) {
      if (value == copySide) return;
      panelSide = value;
      copySide = value;
    };
    lower(s.left, f.cutLeft, copy_.cutLeft);
    lower(s.right, f.cutRight, copy_.cutRight);
    lower(s.top, f.cutTop, copy_.cutTop);
    lower(s.bottom, f.cutBottom, copy_.cutBottom);
    f.cutValue = outcome.lowered->cutValue;
    copy_.cutValue = outcome.lowered->cutValue;
    panel_.showFields();
  }
}

void ImagePipeline::clearPreview() {
  releaseImages();
  imageShown_ = false;
  currentFileName_.clear();
  view_.clearViews();
  view_.previewCleared();
  panel_.disableAll();
  view_.updateStatus(statusSizes());
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

FileStamp fileStampOf(const std::string& path) {
  FileStamp stamp;
  std::error_code timeError, sizeError;
  stamp.time = std::filesystem::last_write_time(path, timeError);
  stamp.size = std::filesystem::file_size(path, sizeError);
  stamp.valid = !timeError && !sizeError;
  return stamp;
}

void ImagePipeline::releaseImages() {
  source_.reset();
  sourceMetadata_ = ImageMetadata();
  sourcePath_.clear();
  result_.reset();
  pieces_.clear();
}

}  // namespace trimlet

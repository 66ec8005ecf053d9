#pragma once
// ImagePipeline: the road of one image from its file to the cropped result,
// and the state kept between runs (owned by the preview pane; the command-
// line batch runs one per job).
//
//   OpenImage(name)        show a newly chosen file of the current folder.
//   ApplySettings()        gather the panel; re-run when anything compared
//                          changed (the frame list is updated first).
//   ProcessFile(folder, name)  decode, show, detect, crop; in a batch also
//                          write by OutputFormat to the output path.
//   ApplyManualRectangle() take CropX, CropY, CropWidth, CropHeight as the
//                          crop rectangle and run ApplyCrop.
//   ApplyCrop()            choose the rectangle, run the crop engine, flip
//                          (Manual Crop mode), show.
//   SaveJpeg/SaveTarga/SavePng/SaveBitmap(path)  write the current result.
//
// A file that cannot be decoded stops that file: the views stay cleared, the
// panel is disabled and the reader's reason reaches the host; the outcome
// says so, so a batch can go on with the next file.

#include <string>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/image_buffer.h"
#include "engine/pipeline/crop_box.h"
#include "engine/pipeline/frame_list.h"
#include "engine/pipeline/pipeline_ports.h"
#include "engine/settings/crop_settings.h"
#include "engine/settings/profile_store.h"

namespace trimlet {

extern const char* const kMissingFileMessage;

// What became of one ProcessFile.
struct FileOutcome {
  enum Kind {
    kNotImage,     // the name has no image ending: nothing was done
    kMissing,      // the file chosen in the list has vanished
    kReadFailed,   // the reader returned no image
    kCropFailed,   // processing failed (memory)
    kProcessed,    // shown, nothing to write
    kWritten,      // written to `target`
    kSkipped,      // the overwrite check kept the existing target
    kWriteFailed,  // the writer failed; the target is untouched
  };
  Kind kind = kNotImage;
  std::string target;
  std::string reason;
  bool ok() const { return kind == kProcessed || kind == kWritten || kind == kSkipped; }
};

class ImagePipeline {
 public:
  ImagePipeline(SettingsPanelPort& panel, PipelineHost& host);

  // Start-up of the preview: its own stored values, the initial edge type of
  // the settings copy, and Tolerance, FilterSize, NoiseThreshold copied from
  // the panel. save() writes the preview's values at shutdown.
  void load(ProfileStore& store);
  void save(ProfileStore& store) const;

  void OpenImage(const std::string& name);
  void ApplySettings();
  FileOutcome ProcessFile(const std::string& folder, const std::string& name);
  void ApplyManualRectangle();
  void ApplyCrop();
  FileOutcome SaveJpeg(std::string path);
  FileOutcome SaveTarga(std::string path);
  FileOutcome SavePng(std::string path);
  FileOutcome SaveBitmap(std::string path);

  // A folder change or any other clearing of the preview: no image, no
  // current file, title "Trimlet", the panel disabled.
  void clearPreview();

  // State read and set by the panes.
  const std::string& currentFolder() const { return currentFolder_; }
  void setCurrentFolder(const std::string& folder) { currentFolder_ = folder; }
  const std::string& currentFileName() const { return currentFileName_; }
  void setCurrentFileName(const std::string& name) { currentFileName_ = name; }
  bool imageShown() const { return imageShown_; }
  void setImageShown(bool shown) { imageShown_ = shown; }
  int sourceFormat() const { return sourceFormat_; }
  const ImageBuffer& source() const { return source_; }
  const ImageBuffer& result() const { return result_; }
  bool keepAlpha() const { return keepAlpha_; }
  CropBox cropRectangle() const { return cropBox_; }
  bool manualRectValid() const { return manualRectValid_; }
  // Sets the crop rectangle from a manual rectangle (clipped to the source,
  // or to its size when no source is held yet) and sets ManualRectValid.
  void setManualRectangle(const CropRect& rect, int imageWidth, int imageHeight);
  const std::vector<FrameLayer>& frameList() const { return frames_; }
  const GatheredSettings& settingsCopy() const { return copy_; }
  BackgroundDetector& detector() { return detector_; }
  int inwardCutLimit() const { return inwardCutLimit_; }
  StatusSizes statusSizes() const;
  // Releases the source and the result (the end of a batch).
  void releaseImages();

  // The batch: SaveAfterProcessing, where results go and how they are named.
  void setSaveAfterProcessing(bool on) { saveAfterProcessing_ = on; }
  bool saveAfterProcessing() const { return saveAfterProcessing_; }
  void setOutputFolder(const std::string& folder) { outputFolder_ = folder; }
  const std::string& outputFolder() const { return outputFolder_; }
  void setAffix(const std::string& text, int position) {
    affixText_ = text;
    affixPosition_ = position;
  }
  // The output path ProcessFile built for the last file (before the
  // extension of the output format).
  const std::string& outputPath() const { return outputPath_; }

 private:
  bool chosenFileMissing();
  FileOutcome writeResult();
  FileOutcome writeWith(int format, std::string path);
  void showResultAndStatus();

  SettingsPanelPort& panel_;
  PipelineHost& host_;
  BackgroundDetector detector_;

  std::string currentFolder_;
  std::string currentFileName_;
  bool imageShown_ = false;
  int sourceFormat_ = -1;
  ImageBuffer source_;
  bool keepAlpha_ = false;
  ImageBuffer result_;
  CropBox cropBox_;
  bool manualRectValid_ = false;
  int inwardCutLimit_ = 0;
  std::vector<FrameLayer> frames_;
  GatheredSettings copy_;
  bool cropFailed_ = false;
  std::string cropFailure_;

  bool saveAfterProcessing_ = false;
  std::string outputFolder_;
  std::string affixText_;
  int affixPosition_ = 0;
  std::string outputPath_;
};

}  // namespace trimlet

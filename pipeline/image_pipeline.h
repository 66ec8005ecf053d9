#pragma once
// ImagePipeline: the preview's controller over one image's road. It keeps
// the state between runs (folder, file, source, result, crop box, the frame
// list, the settings copy, the detector) and hands each run to the plain
// road of crop_road.h, then writes back to the panel what the road returned.
//
//   OpenImage(name)        show a newly chosen file of the current folder.
//   ApplySettings()        gather the panel; re-run when anything compared
//                          changed (the frame list is updated first).
//   ProcessFile(folder, name)  decode, show, detect, crop.
//   ApplyManualRectangle() take CropX, CropY, CropWidth, CropHeight as the
//                          crop rectangle and run ApplyCrop.
//   ApplyCrop()            choose the rectangle, run the crop engine, flip
//                          (Manual Crop mode), show; in Auto Crop with Auto
//                          Rotate or Split Photos the photo road
//                          (photo_road.h) instead, showing its pieces side by
//                          side (piece_layout.h).
//
// The pieces of the last run (crop_road.h) stay for the window: their boxes
// and outlines on the source (the regions found), their angles and images.
// The picture is read upright by its EXIF orientation unless the settings
// copy's Honour Orientation is off.
//
// A file that cannot be decoded stops that file: the views stay cleared, the
// panel is disabled and the reader's reason is reported; the outcome says so.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/image_buffer.h"
#include "engine/settings/crop_settings.h"
#include "engine/settings/profile_store.h"
#include "imagefile/image_format.h"
#include "pipeline/crop_box.h"
#include "pipeline/crop_road.h"
#include "pipeline/file_outcome.h"
#include "pipeline/frame_list.h"
#include "pipeline/pipeline_ports.h"

namespace trimlet {

// When a file was last changed, and its size: a source decoded from it is
// still its own while both stay.
struct FileStamp {
  std::filesystem::file_time_type time{};
  std::uintmax_t size = 0;
  bool valid = false;
  bool operator==(const FileStamp& o) const {
    return valid && o.valid && time == o.time && size == o.size;
  }
};
FileStamp fileStampOf(const std::string& path);

class ImagePipeline {
 public:
  ImagePipeline(SettingsPanelPort& panel, PipelineView& view, FailureReports& reports);

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

  // A folder change or any other clearing of the preview: no image, no
  // current file, the panel disabled.
  void clearPreview();

  // State read and set by the panes.
  const std::string& currentFolder() const { return currentFolder_; }
  void setCurrentFolder(const std::string& folder) { currentFolder_ = folder; }
  const std::string& currentFileName() const { return currentFileName_; }
  void setCurrentFileName(const std::string& name) { currentFileName_ = name; }
  bool imageShown() const { return imageShown_; }
  void setImageShown(bool shown) { imageShown_ = shown; }
  SourceFormat sourceFormat() const { return sourceFormat_; }
  const ImageBuffer& source() const { return source_; }
  // The colour profile and camera data of the file shown, for Save Image.
  const ImageMetadata& sourceMetadata() const { return sourceMetadata_; }
  // The result view's image: the single result, or the pieces side by side.
  const ImageBuffer& result() const { return result_; }
  // The pieces of the last run, in reading order (empty without a result),
  // and the result image of piece i.
  const std::vector<CropPiece>& pieces() const { return pieces_; }
  const ImageBuffer& pieceImage(size_t i) const;
  bool keepAlpha() const { return keepAlpha_; }
  CropBox cropRectangle() const { return cropBox_; }
  bool manualRectValid() const { return manualRectValid_; }
  // Sets the crop rectangle from a manual rectangle (clipped to the source,
  // or to its size when no source is held yet) and sets ManualRectValid.
  void setManualRectangle(const CropRect& rect, int imageWidth, int imageHeight);
  const std::vector<FrameLayer>& frameList() const { return frames_; }
  const GatheredSettings& settingsCopy() const { return copy_; }
  int inwardCutLimit() const { return inwardCutLimit_; }
  StatusSizes statusSizes() const;
  void releaseImages();

 private:
  bool chosenFileMissing();
  // The shown file through ProcessFile again, with the wait cursor, then the
  // status bar (OpenImage and ApplySettings).
  void processShown();
  CropInputs inputs() const;
  void applyPhotoRoad(const CropInputs& in);
  // Writes back what a run returned, the way the panel's setters take it.
  void takeBack(const CropOutcome& outcome);

  SettingsPanelPort& panel_;
  PipelineView& view_;
  FailureReports& reports_;
  BackgroundDetector detector_;

  std::string currentFolder_;
  std::string currentFileName_;
  bool imageShown_ = false;
  SourceFormat sourceFormat_ = SourceFormat::kNone;
  ImageBuffer source_;
  ImageMetadata sourceMetadata_;
  int sourceReaderChannels_ = 0;
  std::string sourcePath_;  // the file the source was decoded from
  FileStamp sourceStamp_;
  bool sourceUpright_ = true;
  bool keepAlpha_ = false;
  ImageBuffer result_;
  std::vector<CropPiece> pieces_;
  CropBox cropBox_;
  bool manualRectValid_ = false;
  int inwardCutLimit_ = 0;
  std::vector<FrameLayer> frames_;
  GatheredSettings copy_;
  bool cropFailed_ = false;
  std::string cropFailure_;
};

}  // namespace trimlet

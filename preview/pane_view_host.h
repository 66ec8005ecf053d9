#pragma once
// PaneViewHost: what the preview's image views need from the program, over
// the pipeline, the settings pane and the file list.
//
//   crop, setCrop, showCrop   the panel's CropX ... CropHeight
//   fixedRatio and its terms, imageSeen   read from the panel's fields
//   firstFolderShown          asked of the preview pane
//   sourceSize, applyManualRectangle      the pipeline
//   chosenFileExists, reportChosenFileMissing   the list's chosen file; the
//                             message of a vanished file, the panel disabled
//   colourPicked              the source pixel's red, green and blue become
//                             BackgroundColor; the panel shows and repaints;
//                             the pipeline re-runs with the settings

#include <functional>

#include "pipeline/image_pipeline.h"
#include "preview/app_settings_panel.h"
#include "preview/model/image_view_host.h"

namespace trimlet {

class PaneViewHost : public ImageViewHost {
 public:
  PaneViewHost(ImagePipeline& pipeline, AppSettingsPanel& panel,
               std::function<bool()> firstFolderShown);

  CropRect crop() const override;
  void setCrop(const CropRect& crop) override;
  void showCrop() override { panel_.showFields(); }
  void refreshPanel() override { panel_.repaint(); }

  bool fixedRatio() const override { return panel_.fields().fixedRatio != 0; }
  float fixedRatioWidth() const override { return panel_.fields().fixedRatioWidth; }
  float fixedRatioHeight() const override { return panel_.fields().fixedRatioHeight; }
  bool imageSeen() const override { return panel_.fields().imageSeen != 0; }
  bool firstFolderShown() const override { return firstFolderShown_(); }

  SourceSize sourceSize() const override;
  void applyManualRectangle() override { pipeline_.ApplyManualRectangle(); }

  bool chosenFileExists() const override;
  void reportChosenFileMissing() override;
  void colourPicked(int column, int bufferRow) override;

 private:
  ImagePipeline& pipeline_;
  AppSettingsPanel& panel_;
  std::function<bool()> firstFolderShown_;
};

}  // namespace trimlet

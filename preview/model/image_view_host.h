#pragma once
// What the image view needs from the rest of the program: the settings
// panel's manual rectangle and ratio, the pipeline's source image and its
// operations, the file list's chosen file. The window program implements it
// over the panes; tests implement it with a recording fake.

#include "engine/settings/crop_settings.h"

namespace trimlet {

struct SourceSize {
  int width = 0;  // 0 and 0 while the pipeline holds no source image
  int height = 0;
  bool present() const { return width > 0 && height > 0; }
};

class ImageViewHost {
 public:
  virtual ~ImageViewHost() = default;

  // The panel's CropX, CropY, CropWidth, CropHeight, in image pixels from the
  // picture's top-left corner.
  virtual CropRect crop() const = 0;
  virtual void setCrop(const CropRect& crop) = 0;
  // The panel shows its CropX ... CropHeight fields again.
  virtual void showCrop() = 0;
  // The panel repaints (after a released drag re-ran the pipeline).
  virtual void refreshPanel() = 0;

  // FixedRatio with its two terms, and ImageSeen.
  virtual bool fixedRatio() const = 0;
  virtual float fixedRatioWidth() const = 0;
  virtual float fixedRatioHeight() const = 0;
  virtual bool imageSeen() const = 0;

  // The preview pane has shown its first folder.
  virtual bool firstFolderShown() const = 0;

  // The pipeline's source image and its re-run with the manual rectangle.
  virtual SourceSize sourceSize() const = 0;
  virtual void applyManualRectangle() = 0;

  // Picking the crop colour: whether the file list's chosen file still
  // exists; if not, the message is shown and the panel disabled. A pick hands
  // over the source pixel (column, bottom-up buffer row); the host takes its
  // colour as BackgroundColor, repaints the colour button and re-runs the
  // pipeline with its settings.
  virtual bool chosenFileExists() const = 0;
  virtual void reportChosenFileMissing() = 0;
  virtual void colourPicked(int column, int bufferRow) = 0;
};

}  // namespace trimlet

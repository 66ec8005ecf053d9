#pragma once
// What the preview's pipeline needs from the windows around it, as small
// interfaces, so that it runs (and is tested) with no window at all.
//
//   SettingsPanelPort  the settings panel: the shared CropSettings record,
//                      the gather, and the few values the pipeline writes back
//                      (inward-cut limit, image seen, side amounts, cut value,
//                      fixed size after scaling one side).
//   PipelineView       the preview pane: the two views, the status bar, the
//                      wait cursor, the file opened or the preview cleared
//                      (the pane sets its title), the source view's
//                      WholeSelect and whether the file chosen in the list
//                      still exists.
//   FailureReports     what went wrong with a file, for the pane to say.
// Every method of the last two has a harmless default, so a host implements
// only what it shows.

#include <string>

#include "engine/image/image_buffer.h"
#include "engine/settings/crop_settings.h"
#include "imagefile/image_format.h"

namespace trimlet {

class SettingsPanelPort {
 public:
  virtual ~SettingsPanelPort() = default;
  // The panel's fields (and, in the shared record, the preview's).
  virtual CropSettings& fields() = 0;
  // Commit the controls, normalise, show, and return the gathered values.
  virtual GatheredSettings gather() = 0;
  // A negative limit becomes 0; also resets the cut spin's range.
  virtual void setInwardCutLimit(int limit) = 0;
  virtual void setImageSeen() = 0;
  // Write the fields back into the controls (after the pipeline changed some).
  virtual void showFields() = 0;
  // Disable every control (no image can be shown).
  virtual void disableAll() = 0;
};

// The sizes the status bar shows; the host adds the display scales of its views.
struct StatusSizes {
  int sourceWidth = 0;
  int sourceHeight = 0;
  int resultWidth = 0;
  int resultHeight = 0;
};

class PipelineView {
 public:
  virtual ~PipelineView() = default;
  virtual void showSource(const ImageBuffer& /*image*/) {}
  virtual void showResult(const ImageBuffer& /*image*/) {}
  virtual void clearViews() {}
  virtual void updateStatus(const StatusSizes& /*sizes*/) {}
  virtual void setBusy(bool /*busy*/) {}
  // A file was opened (its name, without the folder), or the preview was
  // cleared: the pane's title follows.
  virtual void imageOpened(const std::string& /*name*/) {}
  virtual void previewCleared() {}
  // The source view's WholeSelect option.
  virtual bool wholeSelect() { return false; }
  // Whether the file chosen in the file list still exists.
  virtual bool chosenFileExists() { return true; }
};

class FailureReports {
 public:
  virtual ~FailureReports() = default;
  // The file chosen in the list has vanished.
  virtual void reportMissingFile() {}
  // A file that could not be decoded, with the reader's reason.
  virtual void reportReadFailure(const std::string& /*path*/, SourceFormat /*format*/,
                                 const std::string& /*reason*/) {}
};

}  // namespace trimlet

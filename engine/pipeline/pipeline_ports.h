#pragma once
// What the pipeline needs from the windows around it, as two small
// interfaces, so that it runs (and is tested) with no window at all.
//
//   SettingsPanelPort  the settings panel: the shared CropSettings record,
//                      the gather, and the few values the pipeline writes back
//                      (inward-cut limit, image seen, side amounts, cut value,
//                      fixed size after scaling one side).
//   PipelineHost       the preview pane around the pipeline: the two views,
//                      the title, the status bar, the wait cursor, messages,
//                      the source view's WholeSelect, the existence check of
//                      the file chosen in the list, and the overwrite check of
//                      a batch. Every method has a harmless default, so a
//                      host implements only what it shows.

#include <string>

#include "engine/image/image_buffer.h"
#include "engine/settings/crop_settings.h"

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

class PipelineHost {
 public:
  virtual ~PipelineHost() = default;
  virtual void showSource(const ImageBuffer& /*image*/) {}
  virtual void showResult(const ImageBuffer& /*image*/) {}
  virtual void clearViews() {}
  virtual void setTitle(const std::string& /*title*/) {}
  virtual void updateStatus(const StatusSizes& /*sizes*/) {}
  virtual void setBusy(bool /*busy*/) {}
  // A message box captioned "Trimlet" with the exclamation icon.
  virtual void showMessage(const std::string& /*text*/) {}
  // A file that could not be decoded, with the reader's reason.
  virtual void reportReadFailure(const std::string& /*path*/, int /*sourceFormat*/,
                                 const std::string& /*reason*/) {}
  // A result that could not be written, with the writer's reason.
  virtual void reportWriteFailure(const std::string& /*path*/, const std::string& /*reason*/) {}
  // The source view's WholeSelect option.
  virtual bool wholeSelect() { return false; }
  // Whether the file chosen in the file list still exists.
  virtual bool chosenFileExists() { return true; }
  // During a batch, before each write: may replace the path (a rename);
  // returns true when the write is to be skipped.
  virtual bool checkOverwrite(std::string& /*path*/) { return false; }
};

}  // namespace trimlet

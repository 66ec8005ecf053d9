// The image views' link to the panes (see pane_view_host.h).
#include "preview/pane_view_host.h"

#include "app/base/message_box.h"
#include "preview/chosen_file.h"
#include "preview/model/read_failure_text.h"

namespace trimlet {

PaneViewHost::PaneViewHost(ImagePipeline& pipeline, AppSettingsPanel& panel,
                           std::function<bool()> firstFolderShown)
    : pipeline_(pipeline), panel_(panel), firstFolderShown_(std::move(firstFolderShown)) {}

CropRect PaneViewHost::crop() const {
  const CropSettings& f = panel_.fields();
  return {f.cropX, f.cropY, f.cropWidth, f.cropHeight};
}

void PaneViewHost::setCrop(const CropRect& crop) {
  CropSettings& f = panel_.fields();
  f.cropX = crop.x;
  f.cropY = crop.y;
  f.cropWidth = crop.width;
  f.cropHeight = crop.height;
}

SourceSize PaneViewHost::sourceSize() const {
  const ImageBuffer& source = pipeline_.source();
  if (source.empty()) return {};
  return {source.width(), source.height()};
}

bool PaneViewHost::chosenFileExists() const {
  return trimlet::chosenFileExists(pipeline_.currentFolder());
}

void PaneViewHost::reportChosenFileMissing() {
  panel_.disableAll();
  ShowMessage(QString::fromUtf8(kMissingFileMessage));
}

void PaneViewHost::colourPicked(int column, int bufferRow) {
  const ImageBuffer& source = pipeline_.source();
  if (source.empty() || column < 0 || bufferRow < 0 || column >= source.width() ||
      bufferRow >= source.height()) {
    return;
  }
  const uint8_t* pixel = source.at(column, bufferRow);
  panel_.fields().backgroundColor = Rgb{pixel[0], pixel[1], pixel[2]};
  panel_.showFields();
  panel_.repaint();
  pipeline_.ApplySettings();
}

}  // namespace trimlet

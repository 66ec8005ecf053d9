#pragma once
// The status bar of the main frame: the message pane and seven panes that
// show the sizes and display scales of the previewed image.
//
//   pane  id     initial text    shown text
//   0     -      "Ready"         command prompts, "Ready" when idle
//   1     61204  "Original Size" fixed
//   2     61206  "xxxxxxxxxx"    "%d x %-d" of the source width, height
//   3     61208  "xxxxxxxxxx"    "%d%%" of the source view's scale
//   4     61210  56 spaces       fixed (a gap)
//   5     61205  "After Crop"    fixed
//   6     61207  "xxxxxxxxxx"    "%d x %-d" of the result width, height
//   7     61209  "xxxxxxxxxx"    "%d%%" of the result view's scale
//
// Each pane is as wide as its initial text (or its text, when longer) while
// there is room; the message pane stretches. The value panes show the six
// values from the moment they are set, 0 until the first preview ("0 x 0",
// "0%").

#include <QString>
#include <vector>

class QLabel;
class QStatusBar;

namespace trimlet {

struct StatusPaneInfo {
  int id;
  const char* initialText;
};
// Panes 1 to 7, left to right.
const std::vector<StatusPaneInfo>& statusPaneTable();

struct StatusValues {
  int sourceWidth = 0;
  int sourceHeight = 0;
  int resultWidth = 0;
  int resultHeight = 0;
  int sourceScale = 0;
  int resultScale = 0;
};

// "%d x %-d": a 640 by 480 image reads "640 x 480".
QString formatSizePane(int width, int height);
// "%d%%": 50 reads "50%".
QString formatScalePane(int scale);

class StatusPanes {
 public:
  // Adds the eight panes to `bar` and shows `values`.
  StatusPanes(QStatusBar* bar, const StatusValues& values);
  void show(const StatusValues& values);
  // The pane with this id (0 for the message pane), or nullptr.
  QLabel* pane(int id) const;

 private:
  QLabel* message_ = nullptr;
  std::vector<QLabel*> panes_;  // in the order of statusPaneTable()
};

}  // namespace trimlet

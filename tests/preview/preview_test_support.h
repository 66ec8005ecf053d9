#pragma once
// Printers for the preview model's types and a recording fake of the host
// the image view talks to.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/settings/crop_settings.h"
#include "preview/model/colour_pick.h"
#include "preview/model/hit_test.h"
#include "preview/model/image_view_host.h"
#include "preview/model/selection_drag.h"
#include "preview/model/selection_handles.h"
#include "preview/model/view_geometry.h"

namespace trimlet {

inline void PrintTo(const ViewPoint& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const ViewRect& r, std::ostream* os) {
  *os << "[" << r.left << ", " << r.top << " - " << r.right << ", " << r.bottom << ") " << r.width()
      << " x " << r.height();
}
inline void PrintTo(const Corners& c, std::ostream* os) {
  *os << "P1 ";
  PrintTo(c.p1, os);
  *os << " P2 ";
  PrintTo(c.p2, os);
}
inline void PrintTo(const CropRect& c, std::ostream* os) {
  *os << "crop x " << c.x << " y " << c.y << " w " << c.width << " h " << c.height;
}
inline void PrintTo(const PickedPixel& p, std::ostream* os) {
  *os << "column " << p.column << " top row " << p.topRow << " buffer row " << p.bufferRow;
}
inline const char* handleName(HandleKind k) {
  switch (k) {
    case HandleKind::kTop: return "top";
    case HandleKind::kBottom: return "bottom";
    case HandleKind::kLeft: return "left";
    case HandleKind::kRight: return "right";
    case HandleKind::kTopLeft: return "top-left";
    case HandleKind::kTopRight: return "top-right";
    case HandleKind::kBottomLeft: return "bottom-left";
    case HandleKind::kBottomRight: return "bottom-right";
  }
  return "?";
}
inline void PrintTo(const Handle& h, std::ostream* os) {
  *os << handleName(h.kind) << " ";
  PrintTo(h.square, os);
}
inline void PrintTo(CursorShape c, std::ostream* os) {
  static const char* const names[] = {
      "diagonal NW-SE", "vertical", "diagonal NE-SW", "horizontal", "move", "cross", "pick"};
  *os << names[static_cast<int>(c)];
}

namespace test {

// The host of an image view: the panel's values, the pipeline's source and
// the chosen file, with every call that changes something written to `calls`.
class FakeViewHost : public ImageViewHost {
 public:
  CropRect panelCrop{1, 1, 1, 1};
  bool ratioOn = false;
  float ratioWidth = 1.0f;
  float ratioHeight = 1.0f;
  bool seen = true;
  bool firstFolder = true;
  SourceSize source;
  bool fileExists = true;
  std::vector<std::string> calls;

  CropRect crop() const override { return panelCrop; }
  void setCrop(const CropRect& c) override {
    panelCrop = c;
    calls.push_back("setCrop " + std::to_string(c.x) + " " + std::to_string(c.y) + " " +
                    std::to_string(c.width) + " " + std::to_string(c.height));
  }
  void showCrop() override { calls.push_back("showCrop"); }
  void refreshPanel() override { calls.push_back("refreshPanel"); }
  bool fixedRatio() const override { return ratioOn; }
  float fixedRatioWidth() const override { return ratioWidth; }
  float fixedRatioHeight() const override { return ratioHeight; }
  bool imageSeen() const override { return seen; }
  bool firstFolderShown() const override { return firstFolder; }
  SourceSize sourceSize() const override { return source; }
  void applyManualRectangle() override { calls.push_back("apply"); }
  bool chosenFileExists() const override { return fileExists; }
  void reportChosenFileMissing() override { calls.push_back("missing"); }
  void colourPicked(int column, int bufferRow) override {
    calls.push_back("picked " + std::to_string(column) + " " + std::to_string(bufferRow));
  }

  int count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : calls) n += c == call ? 1 : 0;
    return n;
  }
};

}  // namespace test
}  // namespace trimlet

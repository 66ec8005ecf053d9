// The program's four panes (see frame_panes.h).
#include "app/frame_panes.h"

#include "browser/form_left.h"
#include "browser/form_rupper.h"
#include "preview/form_rlower.h"
#include "settings/panel/form_rmiddle.h"

namespace trimlet {

PaneMakers defaultPaneMakers() {
  PaneMakers makers;
  makers.tree = [](QWidget* parent) -> QWidget* { return new CFormLeft(parent); };
  makers.list = [](QWidget* parent) -> QWidget* { return new CFormRUpper(parent); };
  makers.settings = [](QWidget* parent) -> QWidget* { return new CFormRMiddle(parent); };
  makers.preview = [](QWidget* parent) -> QWidget* { return new CFormRLower(parent); };
  return makers;
}

}  // namespace trimlet

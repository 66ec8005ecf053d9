// The program's four panes (see frame_panes.h).
#include "app/frame_panes.h"

#include <QLabel>

#include "settings/panel/form_rmiddle.h"

#if TRIMLET_HAVE_BROWSER_GUI
#include "browser/form_left.h"
#include "browser/form_rupper.h"
#endif
#if TRIMLET_HAVE_PREVIEW_GUI
#include "preview/form_rlower.h"
#endif

namespace trimlet {

namespace {

// A pane still to come: its name in the middle of an empty pane.
[[maybe_unused]] QWidget* placeholder(QWidget* parent, const char* name) {
  auto* label = new QLabel(QString::fromLatin1(name), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setEnabled(false);
  return label;
}

}  // namespace

PaneMakers defaultPaneMakers() {
  PaneMakers makers;
#if TRIMLET_HAVE_BROWSER_GUI
  makers.tree = [](QWidget* parent) -> QWidget* { return new CFormLeft(parent); };
  makers.list = [](QWidget* parent) -> QWidget* { return new CFormRUpper(parent); };
#else
  makers.tree = [](QWidget* parent) { return placeholder(parent, "Folders"); };
  makers.list = [](QWidget* parent) { return placeholder(parent, "Files"); };
#endif
  makers.settings = [](QWidget* parent) -> QWidget* { return new CFormRMiddle(parent); };
#if TRIMLET_HAVE_PREVIEW_GUI
  makers.preview = [](QWidget* parent) -> QWidget* { return new CFormRLower(parent); };
#else
  makers.preview = [](QWidget* parent) { return placeholder(parent, "Preview"); };
#endif
  return makers;
}

}  // namespace trimlet

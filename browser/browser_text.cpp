// Resources and texts shared by the browser's widgets.
#include "browser/browser_text.h"

#include "browser/model/list_texts.h"

static void registerBrowserResources() { Q_INIT_RESOURCE(browser); }

namespace trimlet {

void initBrowserResources() {
  static const bool done = [] {
    registerBrowserResources();
    return true;
  }();
  (void)done;
}

QString directoryTypeText() { return QString::fromLatin1(kDirectoryType); }

}  // namespace trimlet

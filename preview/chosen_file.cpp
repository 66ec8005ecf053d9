// The existence check of the file chosen in the list (see chosen_file.h).
#include "preview/chosen_file.h"

#include <QFileInfo>

#include "app/base/kivo_app.h"

namespace trimlet {

bool chosenFileExists(const std::string& fallbackFolder) {
  const FileListPort* list = theApp().ListPane;
  if (list == nullptr) return true;
  QString folder = list->ListFolder();
  if (folder.isEmpty()) folder = QString::fromStdString(fallbackFolder);
  return QFileInfo::exists(folder + list->SelectedName());
}

}  // namespace trimlet

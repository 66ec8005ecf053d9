#include "output/batch/batch_walk.h"

#include <sys/stat.h>

#include "imagefile/image_format.h"
#include "output/batch/folder_scan.h"

namespace trimlet {

BatchWalk::BatchWalk(std::string sourceFolder, std::string outputFolder,
                     std::vector<std::string> subfolderQueue, bool createFolders)
    : source_(std::move(sourceFolder)),
      output_(std::move(outputFolder)),
      queue_(std::move(subfolderQueue)),
      createFolders_(createFolders) {
  folderOutput_ = output_;
  enterFolder(source_);
}

void BatchWalk::enterFolder(const std::string& folder) {
  folder_ = folder;
  files_.clear();
  std::vector<FolderEntry> entries;
  if (!listFolder(folder, entries)) return;
  for (const FolderEntry& entry : entries)
    if (!entry.plainFolder) files_.push_back(entry.name);
}

bool BatchWalk::next(BatchItem& item) {
  for (;;) {
    while (!files_.empty()) {
      std::string name = std::move(files_.back());
      files_.pop_back();
      if (!isImageFileName(name)) continue;
      item.folder = folder_;
      item.name = std::move(name);
      item.outputFolder = folderOutput_;
      item.number = number_++;
      return true;
    }
    if (queue_.empty()) return false;
    const std::string next = std::move(queue_.back());
    queue_.pop_back();
    // The part of the subfolder's path below the source folder.
    const std::string relative =
        next.compare(0, source_.size(), source_) == 0 ? next.substr(source_.size()) : next;
    folderOutput_ = output_ + relative;
    // One level; an existing folder is the usual case, and a failure shows
    // later at the writers of that folder's files.
    if (createFolders_) ::mkdir(folderOutput_.c_str(), 0777);
    enterFolder(next);
  }
}

}  // namespace trimlet

#pragma once
// BatchWalk: the order in which a batch works on its files.
//
// The source folder comes first, then the subfolders that the scan queued,
// taken from the end of the queue, so each folder is visited before any of
// its subfolders. A folder's files are taken in the reverse of their listing
// order (non-image names are dropped without advancing the count). When the
// walk reaches a subfolder, its output folder (the output folder plus the
// subfolder's path below the source) is created, one level, a failure
// ignored: the output tree mirrors the source tree, and only subfolders whose
// subtree holds an image get one. Folders are listed lazily, when their turn
// comes.

#include <string>
#include <vector>

namespace trimlet {

struct BatchItem {
  std::string folder;        // the source folder of the file, ending with "/"
  std::string name;          // the file name
  std::string outputFolder;  // where its result goes, ending with "/"
  int number = 0;            // 1..N over the whole batch
};

class BatchWalk {
 public:
  // sourceFolder and outputFolder end with "/"; subfolderQueue is the
  // queue CountImageFiles filled.
  // With createFolders off (a dry run) no output folder is made.
  BatchWalk(std::string sourceFolder, std::string outputFolder,
            std::vector<std::string> subfolderQueue, bool createFolders = true);
  // The next file, or false when the walk is done.
  bool next(BatchItem& item);

 private:
  void enterFolder(const std::string& folder);

  std::string source_;
  std::string output_;
  std::vector<std::string> queue_;
  std::vector<std::string> files_;
  std::string folder_;
  std::string folderOutput_;
  int number_ = 1;
  bool createFolders_ = true;
};

}  // namespace trimlet

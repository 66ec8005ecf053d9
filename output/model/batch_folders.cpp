// OK of the batch dialog (see batch_folders.h).
#include "output/model/batch_folders.h"

#include "output/batch/batch_text.h"
#include "output/batch/folder_scan.h"

namespace trimlet {

const char* const kDirectoryCreationFailed = "Directory creation failed.";

std::string createFolderQuestion(const std::string& output) {
  return "The folder:\n\n'" + output + "'\n\ndoes not exist. Do you want the folder to be created?";
}

std::optional<BatchFolders> checkBatchFolders(const std::string& source, const std::string& output,
                                              BatchFolderHost& host) {
  BatchFolders folders;
  folders.source = withTrailingSlash(source);
  if (source.empty() || !host.folderExists(folders.source)) {
    host.showMessage(kNoImageFileMessage);
    return std::nullopt;
  }
  folders.output = output;
  if (output.empty() || output[0] != '/') folders.output = folders.source + output;
  folders.output = withTrailingSlash(folders.output);
  if (host.folderExists(folders.output)) return folders;
  if (!host.askYesNo(createFolderQuestion(folders.output))) return std::nullopt;
  if (!host.createFolder(folders.output)) {
    host.showMessage(kDirectoryCreationFailed);
    return std::nullopt;
  }
  return folders;
}

}  // namespace trimlet

#pragma once
// OK of the batch dialog: the source and output folders checked in their
// order.
//   1. The source gets a trailing "/"; a source folder that does not exist
//      says "No image file or invalid directory." and the dialog stays.
//   2. An output entry that is not absolute (does not start with "/") is
//      relative to the source folder; an empty entry is the source folder.
//      It gets a trailing "/".
//   3. An output folder that exists is taken. Otherwise the question
//      "The folder:\n\n'<output>'\n\ndoes not exist. Do you want the folder to
//      be created?" (Yes, No): Yes creates it, one level; if that fails,
//      "Directory creation failed." and the dialog stays; No keeps the dialog.

#include <optional>
#include <string>

namespace trimlet {

struct BatchFolders {
  std::string source;  // ending with "/"
  std::string output;  // ending with "/"
};

class BatchFolderHost {
 public:
  virtual ~BatchFolderHost() = default;
  virtual bool folderExists(const std::string& path) = 0;
  virtual bool createFolder(const std::string& path) = 0;  // one level
  virtual bool askYesNo(const std::string& text) = 0;
  virtual void showMessage(const std::string& text) = 0;
};

extern const char* const kDirectoryCreationFailed;  // "Directory creation failed."

std::string createFolderQuestion(const std::string& output);

// The folders to use, or nothing when the dialog stays open.
std::optional<BatchFolders> checkBatchFolders(const std::string& source, const std::string& output,
                                              BatchFolderHost& host);

}  // namespace trimlet

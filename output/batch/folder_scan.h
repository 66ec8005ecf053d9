#pragma once
// Listing folders for the batch.
//
// A "plain folder" is a directory that is neither hidden (its name starts
// with ".") nor a symbolic link: only plain folders are descended into.
// Listing order is the file system's.
//
// CountImageFiles(folder, recurse, queue): the number of image files below
// `folder` (ending with "/"). With `recurse`, each plain subfolder is counted
// first; when its subtree holds at least one image it is appended to
// `subfolderQueue` (as "folder/name/") after all of its own subfolders, and
// its count added. Every other entry counts when its name ends like an image
// file. A folder that cannot be listed counts 0.

#include <string>
#include <vector>

namespace trimlet {

struct FolderEntry {
  std::string name;
  bool plainFolder = false;
};

// The entries of `folder`, "." and ".." excluded; false when it cannot be listed.
bool listFolder(const std::string& folder, std::vector<FolderEntry>& entries);

// `folder` with a "/" appended when it does not end with one.
std::string withTrailingSlash(const std::string& folder);

int CountImageFiles(const std::string& folder, bool recurse,
                    std::vector<std::string>& subfolderQueue);

}  // namespace trimlet

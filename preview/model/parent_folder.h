#pragma once
// The folder above a folder path that ends with "/", as the parent-folder
// command asks the tree for it:
//   1. drop the last character (the trailing "/");
//   2. keep what stands before the last "/" (nothing when there is none);
//   3. end it with "/".
// "/photos/old/" gives "/photos/", "/photos/" and "/" give "/", "" gives "/".

#include <string>

namespace trimlet {

std::string parentFolderOf(const std::string& folder);

}  // namespace trimlet

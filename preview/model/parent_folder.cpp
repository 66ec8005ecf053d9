// The folder above a folder (see parent_folder.h).
#include "preview/model/parent_folder.h"

namespace trimlet {

std::string parentFolderOf(const std::string& folder) {
  std::string p = folder;
  if (!p.empty()) p.pop_back();
  const size_t slash = p.rfind('/');
  p = slash == std::string::npos ? std::string() : p.substr(0, slash);
  if (p.empty() || p.back() != '/') p += '/';
  return p;
}

}  // namespace trimlet

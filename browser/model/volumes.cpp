// Which mounted volumes are drives.
#include "browser/model/volumes.h"

#include <algorithm>
#include <set>

#include "browser/model/tree_paths.h"

namespace trimlet {

namespace {

bool below(const std::string& path, const std::string& folder) {
  return path == folder || path.compare(0, folder.size() + 1, folder + "/") == 0;
}

const std::set<std::string>& pseudoTypes() {
  static const std::set<std::string> types = {
      "autofs",  "binfmt_misc", "bpf",         "cgroup",         "cgroup2",  "configfs",
      "debugfs", "devpts",      "devtmpfs",    "efivarfs",       "fusectl",  "hugetlbfs",
      "mqueue",  "nsfs",        "overlay",     "proc",           "pstore",   "ramfs",
      "rootfs",  "rpc_pipefs",  "securityfs",  "selinuxfs",      "squashfs", "sysfs",
      "tmpfs",   "tracefs",     "fuse.portal", "fuse.gvfsd-fuse"};
  return types;
}

std::string withoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

bool IsRealVolume(const VolumeInfo& volume) {
  const std::string root = withoutTrailingSlash(volume.root);
  if (root == "/") return true;
  if (!volume.valid || !volume.rootIsFolder || root.empty() || root[0] != '/') return false;
  if (below(root, "/proc") || below(root, "/sys") || below(root, "/dev")) return false;
  return pseudoTypes().count(volume.fileSystemType) == 0;
}

std::vector<std::string> DriveStrings(const std::vector<VolumeInfo>& volumes) {
  std::vector<std::string> drives{"/"};
  for (const VolumeInfo& v : volumes) {
    if (!IsRealVolume(v)) continue;
    const std::string d = WithTrailingSlash(withoutTrailingSlash(v.root));
    if (std::find(drives.begin(), drives.end(), d) == drives.end()) drives.push_back(d);
  }
  return drives;
}

}  // namespace trimlet

#pragma once
// The drives under "My Computer": the root paths of the mounted volumes that
// hold real file systems.
//
//   IsRealVolume   the root "/" always; otherwise a valid volume whose root is
//                  a folder, not below /proc, /sys or /dev, and whose file
//                  system type is not one of the kernel's pseudo file systems
//                  (proc, sysfs, tmpfs, cgroup, overlay layers, squashfs
//                  images and the like)
//   DriveStrings   the real volumes' roots in the system's order, each ending
//                  with "/", "/" first (present even when the system does not
//                  report it), every root once

#include <string>
#include <vector>

namespace trimlet {

struct VolumeInfo {
  std::string root;  // mount point, with or without a final "/"
  std::string fileSystemType;
  bool valid = true;
  bool rootIsFolder = true;
};

bool IsRealVolume(const VolumeInfo& volume);

std::vector<std::string> DriveStrings(const std::vector<VolumeInfo>& volumes);

}  // namespace trimlet

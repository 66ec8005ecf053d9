// Removing the temporary files that killed writers left behind. See
// atomic_file.h for the contract and temporary_name.h for the names.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <string>

#include "imagefile/atomic_file.h"
#include "imagefile/temporary_name.h"

namespace trimlet {

namespace {

struct FolderCloser {
  void operator()(DIR* folder) const { closedir(folder); }
};

bool processExists(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// Removes `name` when it is a regular file that no one holds. The lock is
// taken before the name goes, so a writer cannot be holding it meanwhile.
bool removeIfUnheld(int folder, const char* name) {
  const int fd = openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat file;
  bool removed = false;
  if (fstat(fd, &file) == 0 && S_ISREG(file.st_mode)) {
    const bool unheld = flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    removed = unheld && unlinkat(folder, name, 0) == 0;
  }
  close(fd);
  return removed;
}

}  // namespace

Result<int> removeStaleTemporaryFiles(const std::string& folder) {
  std::unique_ptr<DIR, FolderCloser> entries(opendir(folder.c_str()));
  if (!entries)
    return Result<int>::failure("Cannot read the folder " + folder + ": " + std::strerror(errno) +
                                ".");
  int removed = 0;
  while (const dirent* entry = readdir(entries.get())) {
    const pid_t writer = temporary_name::writerOf(entry->d_name);
    if (writer == 0 || processExists(writer)) continue;
    if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN) continue;
    if (removeIfUnheld(dirfd(entries.get()), entry->d_name)) ++removed;
  }
  return removed;
}

}  // namespace trimlet

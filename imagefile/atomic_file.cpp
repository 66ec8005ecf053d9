#include "imagefile/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

#include "imagefile/temporary_name.h"

namespace trimlet {

namespace {

// The folder part of `path` ("." when it has none) and the name part.
void splitPath(const std::string& path, std::string* folder, std::string* name) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    *folder = ".";
    *name = path;
  } else {
    *folder = slash == 0 ? "/" : path.substr(0, slash);
    *name = path.substr(slash + 1);
  }
}

// The process's file-creation mask, read without changing it: umask() can
// only be read by setting it, which would race with other threads creating
// files. Linux reports it in /proc/self/status; elsewhere set and restore.
mode_t currentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "Umask:") == 0)
      return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  const mode_t mask = umask(022);
  umask(mask);
  return mask;
}

// The permissions the written file gets: those of the file it replaces (as
// writing into that file in place would keep them), else 0666 less the umask
// (as creating it with fopen would give), never mkstemp's 0600.
mode_t permissionsFor(const std::string& target) {
  struct stat existing;
  if (stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    return existing.st_mode & 07777;
  return 0666 & ~currentUmask();
}

// A symbolic link is replaced by writing over the file it names, so the link
// survives; other targets are written where they are.
std::string resolvedTarget(const std::string& target) {
  struct stat link;
  if (lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
  char* real = realpath(target.c_str(), nullptr);
  if (!real) return target;
  std::string resolved(real);
  std::free(real);
  return resolved;
}

std::string systemReason(const std::string& what, const std::string& path, int error) {
  return what + " " + path + ": " + std::strerror(error) + ".";
}

// Flushes a file's or folder's data to the disk: 0, or the error. File
// systems that cannot flush (EINVAL, ENOTSUP) count as done: there is
// nothing more to be had from them.
int flushToDisk(int fd) {
  if (fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP) return 0;
  return errno;
}

// Flushes the folder's entries (the rename) to the disk.
int flushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = flushToDisk(fd);
  close(fd);
  return error;
}

}  // namespace

Result<AtomicFile> AtomicFile::open(const std::string& target) {
  if (target.empty()) return Result<AtomicFile>::failure("No file name was given.");
  const std::string destination = resolvedTarget(target);
  std::string folder, name;
  splitPath(destination, &folder, &name);
  if (name.empty())
    return Result<AtomicFile>::failure("The file name " + target + " names a folder.");

  // A hidden name beside the target that names this process.
  const std::string pattern = (folder == "/" ? std::string("/") : folder + "/") +
                              temporary_name::patternFor(name, getpid());
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = mkostemp(buffer.data(), O_CLOEXEC);
  if (fd < 0)
    return Result<AtomicFile>::failure(systemReason("Cannot write the file", target, errno));
  const std::string temporary(buffer.data());
  // Held until the file is closed, also by a process that dies: a file
  // nobody holds is a leftover. Where there are no locks the name's process
  // id alone tells.
  (void)flock(fd, LOCK_EX | LOCK_NB);

  if (fchmod(fd, permissionsFor(destination)) != 0) {
    const int error = errno;
    close(fd);
    unlink(temporary.c_str());
    return Result<AtomicFile>::failure(systemReason("Cannot write the file", target, error));
  }
  FILE* stream = fdopen(fd, "wb");
  if (!stream) {
    const int error = errno;
    close(fd);
    unlink(temporary.c_str());
    return Result<AtomicFile>::failure(systemReason("Cannot write the file", target, error));
  }
  AtomicFile file;
  file.stream_ = stream;
  file.target_ = destination;
  file.temporary_ = temporary;
  return Result<AtomicFile>(std::move(file));
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)),
      target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)) {
  other.temporary_.clear();
}

AtomicFile& AtomicFile::operator=(AtomicFile&& other) noexcept {
  if (this != &other) {
    discard();
    stream_ = std::exchange(other.stream_, nullptr);
    target_ = std::move(other.target_);
    temporary_ = std::move(other.temporary_);
    other.temporary_.clear();
  }
  return *this;
}

AtomicFile::~AtomicFile() { discard(); }

Status AtomicFile::commit() {
  if (!stream_ || temporary_.empty())
    return Status::failure("The file " + target_ + " was not written.");
  // Every byte must have reached the file before it may replace the target:
  // a write error seen by the stream, a failed flush or a failed close (a
  // full disk, a network file system) all keep the target as it was.
  // Flushed to the disk before the rename: otherwise a power cut soon after
  // can leave the new name on an empty or partly written file.
  errno = 0;
  const bool flushed = std::fflush(stream_) == 0;
  const bool clean = !std::ferror(stream_);
  int error = errno;
  const int syncError = flushed ? flushToDisk(fileno(stream_)) : 0;
  const bool synced = flushed && syncError == 0;
  if (!synced && error == 0) error = syncError;
  const bool closed = std::fclose(stream_) == 0;
  if (!closed && error == 0) error = errno;
  stream_ = nullptr;
  if (!flushed || !clean || !synced || !closed) {
    discard();
    return Status::failure(systemReason("Cannot write the file", target_, error ? error : EIO));
  }
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    error = errno;
    discard();
    return Status::failure(systemReason("Cannot replace the file", target_, error));
  }
  temporary_.clear();
  std::string folder, name;
  splitPath(target_, &folder, &name);
  error = flushFolder(folder);
  if (error != 0)
    return Status::failure("The file " + target_ +
                           " was written, but its folder could not be flushed to the disk: " +
                           std::strerror(error) + ".");
  return Status::success();
}

void AtomicFile::discard() {
  if (stream_) {
    std::fclose(stream_);
    stream_ = nullptr;
  }
  if (!temporary_.empty()) {
    unlink(temporary_.c_str());
    temporary_.clear();
  }
}

}  // namespace trimlet

#pragma once
// AtomicFile: a file written beside its target and renamed over it only when
// the whole write succeeded.
//
// open() creates a uniquely named temporary file in the target's folder,
// ".<name>.trimlet-<pid>-XXXXXX", and holds an exclusive flock on it while
// it is written. commit() flushes it to the disk (fsync) and closes it,
// renames it over the target (replacing an existing file in one step) and
// then flushes the folder, so that after a power cut the target is either
// the old file or the whole new one, never empty or torn. Destroying an
// AtomicFile that was not committed removes the temporary file, so a failed
// write leaves neither a partial file nor a changed target.
//
// A process killed while it writes leaves its temporary file behind.
// removeStaleTemporaryFiles removes, in one folder, the files of this
// naming whose writer is gone: the process named in the name no longer
// exists and no one holds the file's lock (a live process's file is kept,
// even when the lock cannot be had, as on file systems without locks).
// Nothing else is touched: other names, symbolic links, folders.
//
// The written file gets the permissions of the file it replaces, or for a
// new file 0666 less the umask (what fopen would give), never mkstemp's
// 0600. A target that is a symbolic link stays one: the file it names is
// replaced. A write error anywhere (the stream's error flag, a failed flush,
// close or rename) makes commit() fail with a reason; so does a failed flush
// of the folder after the rename (the new file is then in place, but not
// known to be on the disk), except on file systems that cannot flush
// folders at all.

#include <cstdio>
#include <string>

#include "engine/result.h"

namespace trimlet {

class AtomicFile {
 public:
  static Result<AtomicFile> open(const std::string& target);
  AtomicFile(AtomicFile&& other) noexcept;
  AtomicFile& operator=(AtomicFile&& other) noexcept;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();

  FILE* stream() { return stream_; }
  const std::string& temporaryPath() const { return temporary_; }
  Status commit();
  // Removes the temporary file now (also done by the destructor).
  void discard();

 private:
  AtomicFile() = default;
  FILE* stream_ = nullptr;
  std::string target_;
  std::string temporary_;
};

// The number of stale temporary files removed from `folder` (see above), or
// a reason when the folder cannot be read. A file that cannot be removed is
// left and not counted.
Result<int> removeStaleTemporaryFiles(const std::string& folder);

}  // namespace trimlet

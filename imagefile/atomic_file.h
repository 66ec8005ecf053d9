#pragma once
// AtomicFile: a file written beside its target and renamed over it only when
// the whole write succeeded.
//
// open() creates a uniquely named temporary file in the target's folder.
// commit() flushes and closes it and renames it over the target (replacing
// an existing file in one step). Destroying an AtomicFile that was not
// committed removes the temporary file, so a failed write leaves neither a
// partial file nor a changed target.
//
// The written file gets the permissions of the file it replaces, or for a
// new file 0666 less the umask (what fopen would give), never mkstemp's
// 0600. A target that is a symbolic link stays one: the file it names is
// replaced. A write error anywhere (the stream's error flag, a failed flush,
// close or rename) makes commit() fail with a reason.

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

}  // namespace trimlet

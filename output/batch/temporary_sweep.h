#pragma once
// TemporarySweep: before a batch first writes into a folder, the temporary
// files that killed writers left there are removed (removeStaleTemporaryFiles,
// imagefile/atomic_file.h: only files of Trimlet's own naming whose writer is
// gone). Each folder is swept once per batch, however many files go into it
// and however many jobs write them; the jobs may call sweep() at the same
// time. A folder that cannot be read is not an error here: the write that
// follows says what is wrong with it.

#include <mutex>
#include <set>
#include <string>

namespace trimlet {

class TemporarySweep {
 public:
  // Sweeps `folder` (with or without its trailing "/") when this batch has
  // not swept it yet; returns the number of files removed now.
  int sweep(const std::string& folder);

 private:
  std::mutex mutex_;
  std::set<std::string> swept_;
};

}  // namespace trimlet

// Sweeping the output folders of a batch once each (see temporary_sweep.h).
#include "output/batch/temporary_sweep.h"

#include "imagefile/atomic_file.h"

namespace trimlet {

int TemporarySweep::sweep(const std::string& folder) {
  std::string key = folder.empty() ? std::string(".") : folder;
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  std::lock_guard<std::mutex> lock(mutex_);
  if (!swept_.insert(key).second) return 0;
  auto removed = removeStaleTemporaryFiles(key);
  return removed ? *removed : 0;
}

}  // namespace trimlet

// The window's batch, a file a step (see window_batch.h).
#include "output/model/window_batch.h"

#include <utility>

#include "output/batch/batch_text.h"
#include "output/batch/folder_scan.h"

namespace trimlet {

WindowBatch::WindowBatch(BatchJob job, std::string source, std::string output, bool recurse,
                         OverwritePolicy& policy)
    : job_(std::move(job)),
      source_(std::move(source)),
      output_(std::move(output)),
      recurse_(recurse),
      policy_(policy) {}

int WindowBatch::start() {
  queue_.clear();
  total_ = CountImageFiles(source_, recurse_, queue_);
  walk_ = std::make_unique<BatchWalk>(source_, output_, queue_, !job_.dryRun);
  return total_;
}

bool WindowBatch::next(BatchItem& item, std::string& status) {
  if (!walk_ || !walk_->next(item)) return false;
  status = statusText(item.folder + item.name, item.number, total_);
  return true;
}

BatchFileResult WindowBatch::process(const BatchItem& item) {
  return processBatchFile(job_, item, policy_);
}

}  // namespace trimlet

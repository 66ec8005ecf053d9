#pragma once
// WindowBatch: the window's batch, one file a step, so that the window can
// repaint and take a Cancel click between files. It runs the same road as
// trimlet-batch (output/batch/batch_file.h), so both write the same files
// for the same folder and settings.
//
//   start()  counts the image files (CountImageFiles); 0 means there is
//            nothing to do.
//   next()   the next file and its status text ("%s    %d/%d", the path
//            shortened past 33 characters); false when the walk is done.
//   process() the batch road for that file.
// Output subfolders are made as the walk reaches them (one level each), the
// source tree mirrored.

#include <memory>
#include <string>
#include <vector>

#include "output/batch/batch_file.h"
#include "output/batch/batch_walk.h"
#include "output/batch/overwrite_check.h"

namespace trimlet {

class WindowBatch {
 public:
  WindowBatch(BatchJob job, std::string source, std::string output, bool recurse,
              OverwritePolicy& policy);
  int start();
  bool next(BatchItem& item, std::string& status);
  BatchFileResult process(const BatchItem& item);
  int total() const { return total_; }

 private:
  BatchJob job_;
  std::string source_;
  std::string output_;
  bool recurse_;
  OverwritePolicy& policy_;
  std::vector<std::string> queue_;
  std::unique_ptr<BatchWalk> walk_;
  int total_ = 0;
};

}  // namespace trimlet

#pragma once
// The command-line batch: the batch walk over SOURCE, each file through the
// batch road (output/batch/batch_file.h), with one or more jobs.
//
// With several jobs the files are decoded and cropped at the same time, but
// everything that is seen or decided happens in the order of the files: the
// overwrite check, the write and the messages of file n come after those of
// file n - 1. The files written are therefore byte-identical to a one-job
// run, and prompts come one at a time.
//
// The files come from the walk over SOURCE or, with a list (file_list.h),
// in the list's order; a listed entry that cannot be processed fails alone,
// named with its problem. A listed file's output folder is made (with its
// parents) before its result is written.
// With a report path the batch's record (batch_report.h) is written there
// at the end, files in their order (the same with any number of jobs),
// also after a dry run or a cancel (with the files done so far).

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/batch_settings.h"
#include "cli/cli_options.h"
#include "output/batch/file_list.h"
#include "output/batch/output_name.h"
#include "output/batch/overwrite_check.h"

namespace trimlet {

struct BatchSummary {
  int total = 0;      // image files found
  int processed = 0;  // cropped (written, skipped or, in a dry run, shown)
  int written = 0;
  int skipped = 0;
  int failed = 0;
  bool cancelled = false;
  bool reportFailed = false;  // the report could not be written (said on `err`)
};

struct BatchRequest {
  std::string source;  // ending with "/"
  std::string output;  // ending with "/"
  bool recurse = false;
  bool dryRun = false;
  int jobs = 1;
  std::string affix;
  AffixPosition affixPosition = AffixPosition::kPrefix;
  OverwriteMode overwrite = OverwriteMode::kAsk;
  bool fromList = false;  // take `listed` instead of walking `source`
  std::vector<ListedFile> listed;
  std::string report;  // where the JSON record goes; empty: none
};

// Runs the batch. `prompt` answers existing targets in ask mode. File lines
// of a dry run go to `out`; errors, skips and progress (when `progress`) to
// `err`. `cancel` is polled between files.
BatchSummary runCliBatch(const BatchRequest& request, const BatchSettings& settings,
                         OverwritePrompt& prompt, FILE* out, FILE* err, bool progress,
                         const std::atomic<bool>& cancel);

}  // namespace trimlet

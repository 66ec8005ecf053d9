#pragma once
// The record of a batch as JSON, for archives processed in bulk: what was
// found in each source and what became of it.
//
// Layout (UTF-8 text as the names are; numbers plain; keys always in this
// order, so that the same batch gives the same bytes whatever the number of
// jobs):
//   { "source": SOURCE, "output": OUTPUT, "dryRun": bool,
//     "counts": { "files", "written", "skipped", "failed" },
//     "files": [ one object per source, in the order of the batch:
//       { "source": path, "width", "height" (when it was read),
//         "status": "written" | "skipped" | "failed" | "dry run",
//         "reason" (of a failure), "warnings": [ metadata left out ],
//         "pieces": [ { "number" (of a split, else 0),
//                       "box": { "x", "y", "width", "height" } on the source,
//                              from its top-left corner (for a straightened
//                              picture the box around it),
//                       "angle": degrees turned (two decimals),
//                       "tilt": the measurement's verdict (when measured),
//                       "result": { "width", "height" } of the file,
//                       "target": path, "status", "reason",
//                       "lossless": { "x", "y", "width", "height" } (the box
//                              the lossless cut writes, when it does),
//                       "note", "warnings" } ] } ] }
// "written" counts the files written (the pieces of a split each), "skipped"
// the targets kept, "failed" the sources that failed or had a failed write.
// Strings are escaped as JSON requires (quotes, backslashes, control
// characters); bytes that are not valid UTF-8 are written as U+FFFD.
//
// writeBatchReport writes the text through AtomicFile: the report is the
// whole new one or the old one, never a torn file.

#include <string>
#include <vector>

#include "engine/result.h"
#include "output/batch/batch_file.h"

namespace trimlet {

struct BatchReportHeader {
  std::string source;
  std::string output;
  bool dryRun = false;
};

std::string batchReportJson(const BatchReportHeader& header,
                            const std::vector<BatchFileResult>& files);

Status writeBatchReport(const std::string& path, const std::string& text);

}  // namespace trimlet

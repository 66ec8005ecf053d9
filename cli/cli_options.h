#pragma once
// The command line of trimlet-batch:
//   trimlet-batch [options] SOURCE [OUTPUT]
// SOURCE is a folder; OUTPUT the output folder (default SOURCE), both
// relative to the current directory when not absolute.

#include <optional>
#include <string>
#include <vector>

#include "output/batch/output_name.h"

namespace trimlet {

enum class OverwriteMode { kAsk, kAll, kNone };

struct CliOptions {
  std::string source;
  std::string output;             // empty: the source folder
  std::string profile;            // empty: the window's own settings store
  std::vector<std::string> sets;  // "Section/Value name=VALUE"
  std::optional<int> format;      // OutputFormat 0..4
  std::optional<int> quality;     // 0..100
  std::optional<bool> rle;
  std::string affix;
  AffixPosition affixPosition = AffixPosition::kPrefix;
  bool recurse = false;
  OverwriteMode overwrite = OverwriteMode::kAsk;
  bool dryRun = false;
  int jobs = 1;
  // The photo and file options, on top of the stored settings.
  bool straighten = false;
  bool split = false;
  std::optional<int> minPhotoPercent;  // 0..100
  bool noOrientation = false;
  bool lossless = false;
  std::string report;     // a JSON record of the batch, when not empty
  std::string filesFrom;  // a list of files ("-": standard input) instead of a walk
};

// Parses the arguments. Returns -1 to go on; otherwise the exit status
// (0 after --help or --version, 2 for bad usage), with what to print in
// `message` and whether it goes to standard error in `toError`.
int parseCommandLine(int argc, const char* const* argv, CliOptions& options, std::string& message,
                     bool& toError);

}  // namespace trimlet

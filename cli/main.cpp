// trimlet-batch: crops every image file of a folder (and, with -r, of its
// subfolders) with the settings that Trimlet stored, from a terminal.
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/batch_settings.h"
#include "cli/cli_batch.h"
#include "cli/cli_options.h"
#include "cli/terminal_prompt.h"
#include "output/batch/batch_text.h"
#include "output/batch/folder_scan.h"
#include "settings/store/qsettings_profile_store.h"

namespace {

std::atomic<bool> g_cancel{false};

void onInterrupt(int) {
  g_cancel.store(true);
  // A second interrupt ends the program at once.
  std::signal(SIGINT, SIG_DFL);
}

int usageError(const std::string& text) {
  std::fprintf(stderr, "trimlet-batch: %s\n", text.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace trimlet;
  namespace fs = std::filesystem;

  CliOptions options;
  std::string message;
  bool toError = false;
  const int parsed = parseCommandLine(argc, argv, options, message, toError);
  if (parsed >= 0) {
    std::fputs(message.c_str(), toError ? stderr : stdout);
    return parsed;
  }

  std::error_code ec;
  if (!fs::is_directory(options.source, ec)) return usageError(options.source + ": no such folder");
  const std::string output = options.output.empty() ? options.source : options.output;
  if (!fs::is_directory(output, ec)) {
    if (fs::exists(output, ec)) return usageError(output + ": not a folder");
    if (!options.dryRun && !fs::create_directories(output, ec))
      return usageError(output + ": cannot create the folder: " + ec.message());
  }

  std::unique_ptr<QSettingsProfileStore> store;
  if (!options.profile.empty()) {
    if (!fs::is_regular_file(options.profile, ec))
      return usageError(options.profile + ": no such profile file");
    store = std::make_unique<QSettingsProfileStore>(options.profile);
  } else {
    store = std::make_unique<QSettingsProfileStore>();
  }
  auto settings = loadBatchSettings(*store, options);
  if (!settings) return usageError(settings.reason());
  const CropSettings& chosen = settings->settings;
  if ((chosen.autoRotate || chosen.splitPhotos) && chosen.croppingMode != CroppingMode::kAuto)
    std::fprintf(stderr,
                 "trimlet-batch: warning: straightening and splitting photos work in Auto Crop "
                 "mode; the settings choose Manual Crop\n");

  BatchRequest request;
  request.source = withTrailingSlash(options.source);
  request.output = withTrailingSlash(output);
  request.recurse = options.recurse;
  request.dryRun = options.dryRun;
  request.jobs = options.jobs;
  request.affix = options.affix;
  request.affixPosition = options.affixPosition;
  request.overwrite = options.overwrite;
  request.report = options.report;
  const bool listFromInput = options.filesFrom == "-";
  if (!options.filesFrom.empty()) {
    FILE* list = listFromInput ? stdin : std::fopen(options.filesFrom.c_str(), "r");
    if (!list) return usageError(options.filesFrom + ": cannot open the list of files");
    auto names = readFileList(list);
    if (!listFromInput) std::fclose(list);
    if (!names) return usageError(options.filesFrom + ": " + names.reason());
    request.fromList = true;
    request.listed = listedFiles(request.source, request.output, *names);
  }

  // Standard input that holds the list cannot answer questions too.
  const bool terminalIn = !listFromInput && isatty(STDIN_FILENO) != 0;
  const bool progress = isatty(STDERR_FILENO) != 0;
  TerminalPrompt terminal(stdin, stderr);
  SilentPrompt silent;
  OverwritePrompt& prompt = terminalIn ? static_cast<OverwritePrompt&>(terminal) : silent;

  std::signal(SIGINT, onInterrupt);
  const BatchSummary summary =
      runCliBatch(request, *settings, prompt, stdout, stderr, progress, g_cancel);

  if (summary.total == 0) {
    std::printf("%s\n", kNoImageFileMessage);
    return summary.reportFailed ? 1 : 0;
  }
  std::printf("%s\n", summary.cancelled ? kBatchCancelledMessage : kBatchCompletedMessage);
  std::printf("%d processed, %d written, %d skipped, %d failed\n", summary.processed,
              summary.written, summary.skipped, summary.failed);
  if (summary.skipped > 0 && request.overwrite == OverwriteMode::kAsk && !terminalIn)
    std::printf(
        "Existing files were kept: there is no terminal to ask. "
        "Use --overwrite all to replace them.\n");
  return summary.failed > 0 || summary.cancelled || summary.reportFailed ? 1 : 0;
}

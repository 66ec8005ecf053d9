#include "cli/cli_batch.h"

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/pipeline/image_pipeline.h"
#include "engine/pipeline/output_name.h"
#include "engine/pipeline/stored_settings_panel.h"
#include "output/batch/batch_text.h"
#include "output/batch/batch_walk.h"
#include "output/batch/folder_scan.h"

namespace trimlet {

namespace {

// Hands out turns 1, 2, 3, ... in order: the holder of turn n may look at
// and change what the other files see (the targets, the decision, the
// messages).
class TurnOrder {
 public:
  void acquire(int turn) {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [&] { return next_ == turn; });
  }
  void release(int turn) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      next_ = turn + 1;
    }
    ready_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  int next_ = 1;
};

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

struct Shared {
  const BatchRequest& request;
  const BatchSettings& settings;
  OverwriteCheck overwrite;
  FILE* out;
  FILE* err;
  bool progress;
  const std::atomic<bool>& cancel;
  std::mutex walkMutex;
  BatchWalk walk;
  TurnOrder turns;
  BatchSummary summary;
};

// The pipeline's host for one job: it collects what the pipeline reports
// and takes the file's turn before the overwrite check.
class JobHost : public PipelineHost {
 public:
  JobHost(Shared& shared) : shared_(shared) {}
  void begin(int number) {
    number_ = number;
    holding_ = false;
    messages_.clear();
  }
  void takeTurn() {
    if (holding_) return;
    shared_.turns.acquire(number_);
    holding_ = true;
  }
  void releaseTurn() {
    takeTurn();
    shared_.turns.release(number_);
    holding_ = false;
  }
  const std::vector<std::string>& messages() const { return messages_; }

  bool wholeSelect() override { return shared_.settings.wholeSelect; }
  void reportReadFailure(const std::string& path, int, const std::string& reason) override {
    messages_.push_back(path + ": " + trimmed(reason));
  }
  void reportWriteFailure(const std::string& path, const std::string& reason) override {
    messages_.push_back(path + ": cannot write: " + trimmed(reason));
  }
  bool checkOverwrite(std::string& path) override {
    takeTurn();
    return shared_.overwrite.CheckOverwrite(path);
  }

 private:
  Shared& shared_;
  int number_ = 0;
  bool holding_ = false;
  std::vector<std::string> messages_;
};

void clearProgress(Shared& shared) {
  if (shared.progress) std::fprintf(shared.err, "\r\033[K");
}

std::string describeDryRun(const ImagePipeline& pipeline, const BatchItem& item,
                           int outputFormat) {
  const ImageBuffer& source = pipeline.source();
  const ImageBuffer& result = pipeline.result();
  const CropBox box = pipeline.cropRectangle();
  const std::string target = targetPathFor(pipeline.outputPath(), outputFormat);
  std::error_code ec;
  const bool exists = std::filesystem::exists(target, ec);
  char line[512];
  std::snprintf(line, sizeof line, ": %d x %d, crop %d,%d %d x %d, result %d x %d -> ",
                source.width(), source.height(), box.left, source.height() - box.bottom,
                box.width(), box.height(), result.width(), result.height());
  return item.folder + item.name + line + target + (exists ? " (exists)" : "");
}

// Reports one finished file, in turn order.
void finishFile(Shared& shared, JobHost& host, const BatchItem& item, const FileOutcome& outcome,
                const ImagePipeline& pipeline) {
  host.takeTurn();
  BatchSummary& s = shared.summary;
  clearProgress(shared);
  for (const std::string& message : host.messages())
    std::fprintf(shared.err, "trimlet-batch: %s\n", message.c_str());
  if (outcome.ok()) {
    ++s.processed;
    if (outcome.kind == FileOutcome::kWritten) ++s.written;
    if (outcome.kind == FileOutcome::kSkipped) {
      ++s.skipped;
      std::fprintf(shared.err, "trimlet-batch: %s: already exists, skipped\n",
                   outcome.target.c_str());
    }
    if (shared.request.dryRun)
      std::fprintf(shared.out, "%s\n",
                   describeDryRun(pipeline, item, shared.settings.settings.outputFormat).c_str());
  } else {
    ++s.failed;
    if (host.messages().empty())
      std::fprintf(shared.err, "trimlet-batch: %s%s: %s\n", item.folder.c_str(),
                   item.name.c_str(), trimmed(outcome.reason).c_str());
  }
  if (shared.progress)
    std::fprintf(shared.err, "%s",
                 statusText(item.folder + item.name, item.number, s.total).c_str());
  std::fflush(shared.out);
  std::fflush(shared.err);
  host.releaseTurn();
}

void runJob(Shared& shared) {
  StoredSettingsPanel panel(shared.settings.settings, true);
  JobHost host(shared);
  ImagePipeline pipeline(panel, host);
  pipeline.setSaveAfterProcessing(!shared.request.dryRun);
  pipeline.setAffix(shared.request.affix, shared.request.affixPosition);
  const CropSettings& s = shared.settings.settings;
  if (shared.settings.manualRectValid)
    pipeline.setManualRectangle(CropRect{s.cropX, s.cropY, s.cropWidth, s.cropHeight}, 0, 0);
  pipeline.ApplySettings();

  for (;;) {
    BatchItem item;
    {
      std::lock_guard<std::mutex> lock(shared.walkMutex);
      if (shared.cancel.load()) {
        shared.summary.cancelled = true;
        return;
      }
      if (!shared.walk.next(item)) return;
    }
    host.begin(item.number);
    pipeline.setOutputFolder(item.outputFolder);
    const FileOutcome outcome = pipeline.ProcessFile(item.folder, item.name);
    finishFile(shared, host, item, outcome, pipeline);
  }
}

}  // namespace

BatchSummary runCliBatch(const BatchRequest& request, const BatchSettings& settings,
                         OverwritePrompt& prompt, FILE* out, FILE* err, bool progress,
                         const std::atomic<bool>& cancel) {
  std::vector<std::string> queue;
  const int total = CountImageFiles(request.source, request.recurse, queue);
  Shared shared{request,
                settings,
                OverwriteCheck(prompt),
                out,
                err,
                progress,
                cancel,
                {},
                BatchWalk(request.source, request.output, queue, !request.dryRun),
                {},
                {}};
  shared.summary.total = total;
  if (request.overwrite == OverwriteMode::kAll) shared.overwrite.setDecision(kChoiceOverwriteAll);
  if (request.overwrite == OverwriteMode::kNone) shared.overwrite.setDecision(kChoiceSkipAll);
  if (total == 0) return shared.summary;

  const int jobs = std::max(1, std::min(request.jobs, total));
  std::vector<std::thread> workers;
  for (int i = 1; i < jobs; ++i) workers.emplace_back(runJob, std::ref(shared));
  runJob(shared);
  for (auto& worker : workers) worker.join();
  clearProgress(shared);
  return shared.summary;
}

}  // namespace trimlet

#include "cli/cli_batch.h"

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "output/batch/batch_file.h"
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
  BatchJob job;
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

// One job's overwrite policy: it takes the file's turn before the check, so
// the checks, writes and messages come in the order of the files.
class TurnPolicy : public OverwritePolicy {
 public:
  explicit TurnPolicy(Shared& shared) : shared_(shared) {}
  void begin(int number) {
    number_ = number;
    holding_ = false;
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
  bool keepExisting(std::string& path) override {
    takeTurn();
    return shared_.overwrite.CheckOverwrite(path);
  }

 private:
  Shared& shared_;
  int number_ = 0;
  bool holding_ = false;
};

void clearProgress(Shared& shared) {
  if (shared.progress) std::fprintf(shared.err, "\r\033[K");
}

std::string describeDryRun(const BatchFileResult& r) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(r.target, ec);
  char line[512];
  std::snprintf(line, sizeof line, ": %d x %d, crop %d,%d %d x %d, result %d x %d -> ",
                r.sourceWidth, r.sourceHeight, r.box.left, r.sourceHeight - r.box.bottom,
                r.box.width(), r.box.height(), r.resultWidth, r.resultHeight);
  return r.source + line + r.target + (exists ? " (exists)" : "");
}

// The message of a failed file: the file and the reason.
std::string failureText(const BatchFileResult& r) {
  const FileOutcome& o = r.outcome;
  if (o.kind == FileOutcome::Kind::kWriteFailed)
    return o.target + ": cannot write: " + trimmed(o.reason);
  return r.source + ": " + trimmed(o.reason);
}

// Reports one finished file, in turn order.
void finishFile(Shared& shared, TurnPolicy& policy, const BatchItem& item,
                const BatchFileResult& r) {
  policy.takeTurn();
  BatchSummary& s = shared.summary;
  clearProgress(shared);
  const FileOutcome& outcome = r.outcome;
  if (outcome.ok()) {
    ++s.processed;
    if (outcome.kind == FileOutcome::Kind::kWritten) ++s.written;
    if (outcome.kind == FileOutcome::Kind::kSkipped) {
      ++s.skipped;
      std::fprintf(shared.err, "trimlet-batch: %s: already exists, skipped\n",
                   outcome.target.c_str());
    }
    if (shared.request.dryRun) std::fprintf(shared.out, "%s\n", describeDryRun(r).c_str());
  } else {
    ++s.failed;
    std::fprintf(shared.err, "trimlet-batch: %s\n", failureText(r).c_str());
  }
  if (shared.progress)
    std::fprintf(shared.err, "%s",
                 statusText(item.folder + item.name, item.number, s.total).c_str());
  std::fflush(shared.out);
  std::fflush(shared.err);
  policy.releaseTurn();
}

void runJob(Shared& shared) {
  TurnPolicy policy(shared);
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
    policy.begin(item.number);
    const BatchFileResult result = processBatchFile(shared.job, item, policy);
    finishFile(shared, policy, item, result);
  }
}

}  // namespace

BatchSummary runCliBatch(const BatchRequest& request, const BatchSettings& settings,
                         OverwritePrompt& prompt, FILE* out, FILE* err, bool progress,
                         const std::atomic<bool>& cancel) {
  std::vector<std::string> queue;
  const int total = CountImageFiles(request.source, request.recurse, queue);
  BatchJob job = makeBatchJob(settings.settings, settings.wholeSelect, settings.manualRectValid);
  job.affix = request.affix;
  job.affixPosition = request.affixPosition;
  job.dryRun = request.dryRun;
  Shared shared{request,
                std::move(job),
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
  if (request.overwrite == OverwriteMode::kAll) shared.overwrite.setDecision(OverwriteChoice::kOverwriteAll);
  if (request.overwrite == OverwriteMode::kNone) shared.overwrite.setDecision(OverwriteChoice::kSkipAll);
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

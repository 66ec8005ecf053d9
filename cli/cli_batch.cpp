#include "cli/cli_batch.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/image/buffer_pool.h"
#include "output/batch/batch_file.h"
#include "output/batch/batch_lossless.h"
#include "output/batch/batch_report.h"
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

// The targets being written: a file whose target an earlier file is still
// writing waits for that write, so the later file's content is what stays.
class TargetsInFlight {
 public:
  void waitUntilFree(const std::string& path) {
    std::unique_lock<std::mutex> lock(mutex_);
    freed_.wait(lock,
                [&] { return std::find(paths_.begin(), paths_.end(), path) == paths_.end(); });
  }
  void claim(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    paths_.push_back(path);
  }
  void release(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      for (const std::string& path : paths) {
        auto it = std::find(paths_.begin(), paths_.end(), path);
        if (it != paths_.end()) paths_.erase(it);
      }
    }
    freed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable freed_;
  std::vector<std::string> paths_;
};

struct Shared {
  const BatchRequest& request;
  BatchJob job;
  OverwriteCheck overwrite;
  FILE* out;
  FILE* err;
  bool progress;
  const std::atomic<bool>& cancel;
  std::mutex walkMutex;
  std::optional<BatchWalk> walk;  // unless the files come from a list
  size_t nextListed = 0;
  TurnOrder checks;   // the overwrite checks, file by file
  TurnOrder reports;  // the messages and the summary, file by file
  TargetsInFlight inFlight;
  BatchSummary summary;
  std::vector<BatchFileResult> results;  // by number, for the report
};

// One job's overwrite policy. The checks come in the order of the files.
// While the decision may still ask, a file keeps its check turn until it is
// reported, so every question sees what the files before it wrote and
// follows their messages. Once the decision is overwrite all or skip all
// nothing is asked any more: a file gives its turn on after its check and
// encodes while the next file checks; only a write to a target an earlier
// file is still writing waits. (A split writes several targets: its turn is
// kept, so its later pieces are checked before the next file's.)
class TurnPolicy : public OverwritePolicy {
 public:
  explicit TurnPolicy(Shared& shared)
      : shared_(shared),
        split_(shared.job.gathered.splitPhotos &&
               shared.job.settings.croppingMode == CroppingMode::kAuto) {}
  void begin(int number) {
    number_ = number;
    checked_ = false;
    holding_ = false;
    claimed_.clear();
  }
  // The file's check turn, unless it had it already.
  void takeCheckTurn() {
    if (checked_) return;
    shared_.checks.acquire(number_);
    checked_ = true;
    holding_ = true;
  }
  // After the file is reported: its targets are written, its turn goes on.
  void finish() {
    takeCheckTurn();
    shared_.inFlight.release(claimed_);
    claimed_.clear();
    if (holding_) shared_.checks.release(number_);
    holding_ = false;
  }
  bool keepExisting(std::string& path) override {
    takeCheckTurn();
    // (A target of this file's own is never waited for: its write is done.)
    if (std::find(claimed_.begin(), claimed_.end(), path) == claimed_.end())
      shared_.inFlight.waitUntilFree(path);
    const bool keep = shared_.overwrite.CheckOverwrite(path);
    if (!keep) {
      shared_.inFlight.claim(path);
      claimed_.push_back(path);
    }
    const OverwriteChoice decision = shared_.overwrite.decision();
    const bool settled =
        decision == OverwriteChoice::kOverwriteAll || decision == OverwriteChoice::kSkipAll;
    if (holding_ && settled && !split_) {
      shared_.checks.release(number_);
      holding_ = false;
    }
    return keep;
  }

 private:
  Shared& shared_;
  const bool split_;
  int number_ = 0;
  bool checked_ = false;  // the check turn was taken
  bool holding_ = false;  // and is still held
  std::vector<std::string> claimed_;
};

void clearProgress(Shared& shared) {
  if (shared.progress) std::fprintf(shared.err, "\r\033[K");
}

// "x,y w x h" of a box from the picture's top-left.
std::string boxText(const PixelBox& b) {
  return std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(b.width) + " x " +
         std::to_string(b.height);
}

// One line a piece: the source, the box (and angle) found, the result, the
// lossless cut's box, and the target.
std::string describeDryRun(const BatchFileResult& r, const BatchPieceRecord& p) {
  std::string line = r.source + ": " + std::to_string(r.sourceWidth) + " x " +
                     std::to_string(r.sourceHeight) + ", ";
  line += p.number > 0 ? "photo " + std::to_string(p.number) : std::string("crop");
  line += " " + boxText(pictureBox(p.box, r.sourceHeight));
  if (std::fabs(p.degrees) >= 0.005) {
    char angle[48];
    std::snprintf(angle, sizeof angle, ", turned %.2f degrees", p.degrees);
    line += angle;
  }
  line += ", result " + std::to_string(p.resultWidth) + " x " + std::to_string(p.resultHeight);
  if (p.lossless) line += ", lossless " + boxText(*p.lossless);
  if (!p.note.empty()) line += ", " + p.note;
  std::error_code ec;
  const bool exists = std::filesystem::exists(p.target, ec);
  return line + " -> " + p.target + (exists ? " (exists)" : "");
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
  policy.takeCheckTurn();
  shared.reports.acquire(item.number);
  BatchSummary& s = shared.summary;
  clearProgress(shared);
  const FileOutcome& outcome = r.outcome;
  for (const std::string& warning : r.warnings)
    std::fprintf(shared.err, "trimlet-batch: %s: warning: %s\n", r.source.c_str(),
                 trimmed(warning).c_str());
  for (const BatchPieceRecord& piece : r.pieces) {
    if (piece.kind == FileOutcome::Kind::kWritten) ++s.written;
    if (piece.kind == FileOutcome::Kind::kSkipped) {
      ++s.skipped;
      std::fprintf(shared.err, "trimlet-batch: %s: already exists, skipped\n",
                   piece.target.c_str());
    }
    if (shared.request.dryRun) {
      std::fprintf(shared.out, "%s\n", describeDryRun(r, piece).c_str());
      continue;
    }
    if (!piece.note.empty())
      std::fprintf(shared.err, "trimlet-batch: %s: %s\n", piece.target.c_str(),
                   trimmed(piece.note).c_str());
    for (const std::string& warning : piece.warnings)
      std::fprintf(shared.err, "trimlet-batch: %s: warning: %s\n", piece.target.c_str(),
                   trimmed(warning).c_str());
  }
  if (outcome.ok()) {
    ++s.processed;
  } else {
    ++s.failed;
    std::fprintf(shared.err, "trimlet-batch: %s\n", failureText(r).c_str());
  }
  if (!shared.request.report.empty() && item.number >= 1 &&
      size_t(item.number) <= shared.results.size())
    shared.results[size_t(item.number - 1)] = r;
  if (shared.progress)
    std::fprintf(shared.err, "%s",
                 statusText(item.folder + item.name, item.number, s.total).c_str());
  std::fflush(shared.out);
  std::fflush(shared.err);
  shared.reports.release(item.number);
  policy.finish();
}

// A listed entry that cannot be processed: a failure naming it.
BatchFileResult problemResult(const ListedFile& listed) {
  BatchFileResult r;
  r.source = listed.item.folder + listed.item.name;
  r.outcome.kind = FileOutcome::Kind::kReadFailed;
  r.outcome.reason = listed.problem;
  return r;
}

// The next file of the walk or the list; false when there is none.
bool nextFile(Shared& shared, BatchItem& item, const ListedFile** listed) {
  *listed = nullptr;
  if (shared.walk) return shared.walk->next(item);
  if (shared.nextListed >= shared.request.listed.size()) return false;
  *listed = &shared.request.listed[shared.nextListed++];
  item = (*listed)->item;
  return true;
}

void runJob(Shared& shared) {
  // The files of one job are mostly of one size: their large buffers are
  // reused from file to file instead of being faulted in afresh each time.
  BufferPoolScope pool;
  TurnPolicy policy(shared);
  for (;;) {
    BatchItem item;
    const ListedFile* listed = nullptr;
    {
      std::lock_guard<std::mutex> lock(shared.walkMutex);
      if (shared.cancel.load()) {
        shared.summary.cancelled = true;
        return;
      }
      if (!nextFile(shared, item, &listed)) return;
    }
    policy.begin(item.number);
    BatchFileResult result;
    if (listed && !listed->problem.empty()) {
      result = problemResult(*listed);
    } else {
      if (listed && !shared.request.dryRun) {
        // A failure shows at the writer of the file.
        std::error_code ec;
        std::filesystem::create_directories(item.outputFolder, ec);
      }
      result = processBatchFile(shared.job, item, policy);
    }
    finishFile(shared, policy, item, result);
  }
}

void writeReport(Shared& shared) {
  const BatchRequest& request = shared.request;
  std::vector<BatchFileResult> done;
  for (BatchFileResult& r : shared.results)
    if (!r.source.empty()) done.push_back(std::move(r));
  const std::string text =
      batchReportJson(BatchReportHeader{request.source, request.output, request.dryRun}, done);
  Status written = writeBatchReport(request.report, text);
  if (!written) {
    shared.summary.reportFailed = true;
    std::fprintf(shared.err, "trimlet-batch: %s: cannot write the report: %s\n",
                 request.report.c_str(), trimmed(written.reason()).c_str());
  }
}

}  // namespace

BatchSummary runCliBatch(const BatchRequest& request, const BatchSettings& settings,
                         OverwritePrompt& prompt, FILE* out, FILE* err, bool progress,
                         const std::atomic<bool>& cancel) {
  std::vector<std::string> queue;
  const int total = request.fromList ? int(request.listed.size())
                                     : CountImageFiles(request.source, request.recurse, queue);
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
                std::nullopt,
                0,
                {},
                {},
                {},
                {},
                {}};
  if (!request.fromList)
    shared.walk.emplace(request.source, request.output, queue, !request.dryRun);
  if (!request.report.empty()) shared.results.resize(size_t(total));
  shared.summary.total = total;
  if (request.overwrite == OverwriteMode::kAll)
    shared.overwrite.setDecision(OverwriteChoice::kOverwriteAll);
  if (request.overwrite == OverwriteMode::kNone)
    shared.overwrite.setDecision(OverwriteChoice::kSkipAll);
  if (total == 0) {
    if (!request.report.empty()) writeReport(shared);
    return shared.summary;
  }

  const int jobs = std::max(1, std::min(request.jobs, total));
  std::vector<std::thread> workers;
  for (int i = 1; i < jobs; ++i) workers.emplace_back(runJob, std::ref(shared));
  runJob(shared);
  for (auto& worker : workers) worker.join();
  clearProgress(shared);
  if (!request.report.empty()) writeReport(shared);
  return shared.summary;
}

}  // namespace trimlet

// The thumbnail worker thread.
#include "browser/model/thumbnail_builder.h"

#include <future>
#include <system_error>
#include <utility>

#include "browser/model/thumbnail_make.h"

namespace trimlet {

ThumbnailBuilder::ThumbnailBuilder(Callbacks callbacks) : callbacks_(std::move(callbacks)) {}

ThumbnailBuilder::~ThumbnailBuilder() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_.store(true);
    queue_.clear();
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void ThumbnailBuilder::start(ThumbnailJob job) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_.load()) return;
    queue_.push_back(std::move(job));
    if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
  }
  wake_.notify_one();
}

void ThumbnailBuilder::setEntryHook(std::function<void(uint64_t, int)> hook) {
  std::lock_guard<std::mutex> lock(mutex_);
  hook_ = std::move(hook);
}

void ThumbnailBuilder::run() {
  for (;;) {
    ThumbnailJob job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_.load() || !queue_.empty(); });
      if (stopping_.load()) return;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    build(job);
  }
}

namespace {

using Thumbnail = Result<std::vector<uint8_t>>;

// The thumbnail of entry k of `job` started on a thread of its own, or an
// empty future when none can be started.
std::future<Thumbnail> startAhead(const ThumbnailJob& job, size_t k) {
  try {
    return std::async(std::launch::async, MakeThumbnail, job.folder + job.entries[k].name);
  } catch (const std::system_error&) {
    return std::future<Thumbnail>();
  }
}

}  // namespace

void ThumbnailBuilder::build(const ThumbnailJob& job) {
  const int count = static_cast<int>(job.entries.size());
  // With a second core the next image file's thumbnail is made beside the
  // current one; it is delivered only after its own turn has come (hook and
  // generation check), and dropped when the build stops before that.
  const bool lookAhead = std::thread::hardware_concurrency() > 1;
  std::future<Thumbnail> ahead;
  int aheadIndex = -1;
  for (int k = 0; k < count; ++k) {
    std::function<void(uint64_t, int)> hook;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      hook = hook_;
    }
    if (hook) hook(job.generation, k);
    if (stopping_.load() || current_.load() != job.generation) {
      if (ahead.valid()) ahead.wait();
      if (callbacks_.ended) callbacks_.ended(job.generation, false);
      return;
    }
    std::future<Thumbnail> mine;
    if (aheadIndex == k) mine = std::move(ahead);
    aheadIndex = -1;
    const size_t next = static_cast<size_t>(k) + 1;
    if (lookAhead && next < job.entries.size() && !job.entries[next].folder) {
      ahead = startAhead(job, next);
      if (ahead.valid()) aheadIndex = k + 1;
    }

    const ThumbnailEntry& entry = job.entries[static_cast<size_t>(k)];
    ThumbnailItem item;
    item.index = k;
    if (entry.folder) {
      item.kind = ThumbnailKind::kFolder;
    } else {
      Thumbnail thumb = mine.valid() ? mine.get() : MakeThumbnail(job.folder + entry.name);
      if (thumb) {
        item.kind = ThumbnailKind::kPicture;
        item.pixels = thumb.take();
      } else {
        item.reason = thumb.reason();
      }
    }
    if (callbacks_.delivered) callbacks_.delivered(job.generation, std::move(item));
  }
  if (callbacks_.ended) callbacks_.ended(job.generation, true);
}

}  // namespace trimlet

// The thumbnail worker thread.
#include "browser/model/thumbnail_builder.h"

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

void ThumbnailBuilder::build(const ThumbnailJob& job) {
  const int count = static_cast<int>(job.entries.size());
  for (int k = 0; k < count; ++k) {
    std::function<void(uint64_t, int)> hook;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      hook = hook_;
    }
    if (hook) hook(job.generation, k);
    if (stopping_.load() || current_.load() != job.generation) {
      if (callbacks_.ended) callbacks_.ended(job.generation, false);
      return;
    }
    const ThumbnailEntry& entry = job.entries[static_cast<size_t>(k)];
    ThumbnailItem item;
    item.index = k;
    if (entry.folder) {
      item.kind = ThumbnailKind::kFolder;
    } else {
      Result<std::vector<uint8_t>> thumb = MakeThumbnail(job.folder + entry.name);
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

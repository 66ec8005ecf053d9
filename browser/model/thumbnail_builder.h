#pragma once
// ThumbnailBuilder: builds the file list's thumbnails on one worker thread.
//
//   start(job)      queues a build of job.entries (in the list's fill order,
//                   so thumbnail k belongs to item k). Builds run one at a
//                   time, in the order they were started: a later build
//                   begins only after the earlier one has ended. start()
//                   never waits for the worker.
//   setCurrentGeneration(g)  the list's fill counter. Before each entry a
//                   build compares its job's generation with it and stops
//                   when they differ (the list went to another folder);
//                   queued builds of old generations end at once.
//   per entry       a folder gives kFolder; an image file its 48 x 48 rows
//                   (kPicture); a file that cannot be decoded or scaled gives
//                   kPlaceholder, so that every index keeps its thumbnail.
//   two at once     on a machine of more than one core, the next image
//                   file's thumbnail is made on a second thread beside the
//                   current one; results are still delivered one by one in
//                   entry order, each after its own generation check, and
//                   a thumbnail made ahead of a stop is dropped.
//   callbacks       `delivered` after each entry and `ended` (complete or
//                   stopped) once per build, both on the worker thread; the
//                   caller hands the results to its own thread (the window
//                   program by queued signals) and never touches a widget
//                   from them.
// The destructor stops the running build before its next entry, drops the
// queued ones and joins the worker.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace trimlet {

struct ThumbnailEntry {
  std::string name;
  bool folder = false;
};

struct ThumbnailJob {
  uint64_t generation = 0;
  std::string folder;  // ends with "/"
  std::vector<ThumbnailEntry> entries;
};

enum class ThumbnailKind { kPicture, kFolder, kPlaceholder };

struct ThumbnailItem {
  int index = 0;
  ThumbnailKind kind = ThumbnailKind::kPlaceholder;
  std::vector<uint8_t> pixels;  // kThumbnailBytes bytes for kPicture, else empty
  std::string reason;           // why a placeholder stands here
};

class ThumbnailBuilder {
 public:
  struct Callbacks {
    std::function<void(uint64_t generation, ThumbnailItem item)> delivered;
    std::function<void(uint64_t generation, bool complete)> ended;
  };

  explicit ThumbnailBuilder(Callbacks callbacks);
  ~ThumbnailBuilder();
  ThumbnailBuilder(const ThumbnailBuilder&) = delete;
  ThumbnailBuilder& operator=(const ThumbnailBuilder&) = delete;

  void setCurrentGeneration(uint64_t generation) { current_.store(generation); }
  uint64_t currentGeneration() const { return current_.load(); }
  void start(ThumbnailJob job);

  // Called on the worker before each entry (tests hold a build here).
  void setEntryHook(std::function<void(uint64_t generation, int index)> hook);

 private:
  void run();
  void build(const ThumbnailJob& job);

  const Callbacks callbacks_;
  std::atomic<uint64_t> current_{0};
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<ThumbnailJob> queue_;
  std::function<void(uint64_t, int)> hook_;
  std::thread worker_;
};

}  // namespace trimlet

// The thumbnail worker: what each entry gives, one build at a time in order,
// and the cooperative stop when the list goes to another folder.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "browser/model/thumbnail_builder.h"
#include "browser/model/thumbnail_scale.h"
#include "imagefile/image_format.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using namespace std::chrono_literals;

// Everything the worker reports, as lines "item <generation> <index> <kind>"
// and "end <generation> complete|stopped", in the order it reported them.
class Recorder {
 public:
  ThumbnailBuilder::Callbacks callbacks() {
    return {[this](uint64_t g, ThumbnailItem item) {
              std::lock_guard<std::mutex> lock(mutex_);
              const char* kind = item.kind == ThumbnailKind::kPicture  ? "picture"
                                 : item.kind == ThumbnailKind::kFolder ? "folder"
                                                                       : "placeholder";
              lines_.push_back("item " + std::to_string(g) + " " + std::to_string(item.index) +
                               " " + kind);
              items_.push_back(std::move(item));
              changed_.notify_all();
            },
            [this](uint64_t g, bool complete) {
              std::lock_guard<std::mutex> lock(mutex_);
              lines_.push_back("end " + std::to_string(g) + (complete ? " complete" : " stopped"));
              ++ends_;
              changed_.notify_all();
            }};
  }
  bool waitForEnds(int count) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, 20s, [&] { return ends_ >= count; });
  }
  std::vector<std::string> lines() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
  }
  std::vector<ThumbnailItem> items() {
    std::lock_guard<std::mutex> lock(mutex_);
    return items_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> lines_;
  std::vector<ThumbnailItem> items_;
  int ends_ = 0;
};

// A gate the worker waits at before entry `index` of `generation`.
class Gate {
 public:
  Gate(uint64_t generation, int index) : generation_(generation), index_(index) {}
  std::function<void(uint64_t, int)> hook() {
    return [this](uint64_t g, int k) {
      if (g != generation_ || k != index_) return;
      std::unique_lock<std::mutex> lock(mutex_);
      reached_ = true;
      changed_.notify_all();
      changed_.wait(lock, [&] { return open_; });
    };
  }
  bool waitReached() {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, 20s, [&] { return reached_; });
  }
  void open() {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  const uint64_t generation_;
  const int index_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool reached_ = false;
  bool open_ = false;
};

void writePng(const std::string& path, int width, int height) {
  const ImageBuffer image = test::solidImage(width, height, {10, 20, 30});
  ASSERT_TRUE(writeImageFile(SourceFormat::kPng, path, image, WriteOptions{}).ok());
}

ThumbnailJob job(uint64_t generation, const std::string& folder,
                 std::vector<ThumbnailEntry> entries) {
  return ThumbnailJob{generation, folder, std::move(entries)};
}

TEST(ThumbnailBuilder, everyEntryKeepsItsIndex) {
  test::TempDir dir;
  writePng(dir.file("a.png"), 20, 10);
  test::writeFileBytes(dir.file("broken.jpg"), {0xFF, 0xD8, 0x00});
  std::filesystem::create_directory(dir.file("sub"));
  writePng(dir.file("strip.png"), 100, 1);  // too narrow for a thumbnail

  Recorder recorder;
  ThumbnailBuilder builder(recorder.callbacks());
  builder.setCurrentGeneration(1);
  builder.start(job(1, dir.path() + "/",
                    {{"a.png", false},
                     {"broken.jpg", false},
                     {"sub", true},
                     {"strip.png", false},
                     {"vanished.png", false}}));
  ASSERT_TRUE(recorder.waitForEnds(1));
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{"item 1 0 picture", "item 1 1 placeholder",
                                                        "item 1 2 folder", "item 1 3 placeholder",
                                                        "item 1 4 placeholder", "end 1 complete"}));
  const std::vector<ThumbnailItem> items = recorder.items();
  ASSERT_EQ(items[0].pixels.size(), static_cast<size_t>(kThumbnailBytes));
  // The 20 x 10 picture sits centred: its first pixel at (14, 19), blue first.
  const size_t at = (19 * 48 + 14) * 3;
  EXPECT_EQ(
      (std::vector<int>{items[0].pixels[at], items[0].pixels[at + 1], items[0].pixels[at + 2]}),
      (std::vector<int>{30, 20, 10}));
  EXPECT_FALSE(items[1].reason.empty());
}

TEST(ThumbnailBuilder, anotherFolderStopsTheBuildAndTheNextStartsAfresh) {
  test::TempDir dir;
  for (const char* name : {"a.png", "b.png", "c.png"}) writePng(dir.file(name), 8, 8);
  const std::vector<ThumbnailEntry> entries{{"a.png", false}, {"b.png", false}, {"c.png", false}};

  Recorder recorder;
  ThumbnailBuilder builder(recorder.callbacks());
  Gate gate(1, 1);
  builder.setEntryHook(gate.hook());
  builder.setCurrentGeneration(1);
  builder.start(job(1, dir.path() + "/", entries));
  ASSERT_TRUE(gate.waitReached());
  // The list fills another folder while the worker is at entry 1.
  builder.setCurrentGeneration(2);
  builder.start(job(2, dir.path() + "/", {{"c.png", false}, {"a.png", false}}));
  gate.open();
  ASSERT_TRUE(recorder.waitForEnds(2));
  EXPECT_EQ(recorder.lines(),
            (std::vector<std::string>{"item 1 0 picture", "end 1 stopped", "item 2 0 picture",
                                      "item 2 1 picture", "end 2 complete"}));
}

TEST(ThumbnailBuilder, aLaterBuildWaitsForTheEarlierOne) {
  test::TempDir dir;
  writePng(dir.file("a.png"), 8, 8);
  Recorder recorder;
  ThumbnailBuilder builder(recorder.callbacks());
  Gate gate(5, 0);
  builder.setEntryHook(gate.hook());
  builder.setCurrentGeneration(5);
  builder.start(job(5, dir.path() + "/", {{"a.png", false}, {"a.png", false}}));
  ASSERT_TRUE(gate.waitReached());
  builder.start(job(5, dir.path() + "/", {{"a.png", false}}));  // returns at once
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(recorder.lines().empty()) << "the second build ran beside the first";
  gate.open();
  ASSERT_TRUE(recorder.waitForEnds(2));
  EXPECT_EQ(recorder.lines(),
            (std::vector<std::string>{"item 5 0 picture", "item 5 1 picture", "end 5 complete",
                                      "item 5 0 picture", "end 5 complete"}));
}

TEST(ThumbnailBuilder, queuedBuildsOfAnOldFolderEndAtOnce) {
  Recorder recorder;
  ThumbnailBuilder builder(recorder.callbacks());
  builder.setCurrentGeneration(3);
  builder.start(job(1, "/nowhere/", {{"x.png", false}}));
  builder.start(job(2, "/nowhere/", {{"y.png", false}}));
  ASSERT_TRUE(recorder.waitForEnds(2));
  EXPECT_EQ(recorder.lines(), (std::vector<std::string>{"end 1 stopped", "end 2 stopped"}));
}

TEST(ThumbnailBuilder, destructionStopsARunningBuild) {
  test::TempDir dir;
  writePng(dir.file("a.png"), 400, 300);
  Recorder recorder;
  std::vector<ThumbnailEntry> many(500, ThumbnailEntry{"a.png", false});
  {
    ThumbnailBuilder builder(recorder.callbacks());
    builder.setCurrentGeneration(1);
    builder.start(job(1, dir.path() + "/", many));
    builder.start(job(1, dir.path() + "/", many));
  }
  // Not all 1000 entries were built, and the second build never started.
  const std::vector<std::string> lines = recorder.lines();
  EXPECT_LT(lines.size(), 1000u);
  for (const std::string& line : lines) EXPECT_NE(line, "end 1 complete");
}

}  // namespace
}  // namespace trimlet

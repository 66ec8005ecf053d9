// Temporary files of killed writers: named after their process, never a
// torn target, and removed by the next run unless a live process holds them.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "imagefile/atomic_file.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/temporary_name.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::TempDir;

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A child process that runs `work` and then waits until it is killed; the
// parent returns once the child has written to the pipe (`work` does, when
// it is ready), so nothing waits on a clock.
class Child {
 public:
  template <typename Work>
  explicit Child(Work work) {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      work(ready[1]);
      for (;;) pause();
    }
    close(ready[1]);
    char byte;
    ready_ = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
  }
  ~Child() { kill(); }
  bool ready() const { return pid_ > 0 && ready_; }
  pid_t pid() const { return pid_; }
  void kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
};

void signalReady(int fd) {
  if (write(fd, "x", 1) != 1) _exit(1);
}

// A process id that no process has: a child that has ended and been reaped.
pid_t goneProcess() {
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return pid;
}

TEST(TemporaryName, CarriesTheWritersProcessAndIsRecognised) {
  TempDir dir;
  auto file = AtomicFile::open(dir.file("photo.jpg"));
  ASSERT_TRUE(file.ok());
  const std::string name = std::filesystem::path(file->temporaryPath()).filename().string();
  EXPECT_EQ(name.rfind(".photo.jpg.trimlet-" + std::to_string(getpid()) + "-", 0), 0u) << name;
  EXPECT_EQ(temporary_name::writerOf(name), getpid());
  for (const char* other : {"photo.jpg", ".photo.jpg.Ab3dE9", ".photo.jpg.trimlet-12-Ab3dE",
                            ".photo.jpg.trimlet--Ab3dE9", ".photo.jpg.trimlet-x1-Ab3dE9",
                            ".trimlet-12-Ab3dE9", "a.trimlet-12-Ab3dE9"})
    EXPECT_EQ(temporary_name::writerOf(other), 0) << other;
  EXPECT_EQ(temporary_name::writerOf(".a.trimlet-12-Ab3dE9"), 12);
}

TEST(StaleTemporaryFiles, OnlyFilesOfGoneWritersAreRemoved) {
  TempDir dir;
  const pid_t gone = goneProcess();
  const std::string stale = ".a.jpg.trimlet-" + std::to_string(gone) + "-Ab3dE9";
  const std::string live = ".b.jpg.trimlet-" + std::to_string(getpid()) + "-Ab3dE9";
  for (const std::string& name : {stale, live, std::string(".c.jpg.Ab3dE9"), std::string("c.jpg")})
    test::writeFileBytes(dir.file(name), {1, 2, 3});
  // Named like a leftover, but a link and a folder: neither is touched.
  std::filesystem::create_symlink("c.jpg",
                                  dir.file(".d.jpg.trimlet-" + std::to_string(gone) + "-Ab3dE9"));
  std::filesystem::create_directory(dir.file(".e.jpg.trimlet-" + std::to_string(gone) + "-Ab3dE9"));

  auto removed = removeStaleTemporaryFiles(dir.path());
  ASSERT_TRUE(removed.ok()) << removed.reason();
  EXPECT_EQ(*removed, 1);
  EXPECT_FALSE(test::fileExists(dir.file(stale)));
  EXPECT_EQ(folderEntries(dir.path()).size(), 5u);
  EXPECT_EQ(test::readFileBytes(dir.file("c.jpg")), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(removeStaleTemporaryFiles(dir.file("missing")).ok());
}

// A writer elsewhere (another machine sharing the folder) is not known by
// its process id; its lock keeps its file.
TEST(StaleTemporaryFiles, FileLockedByALiveProcessIsKept) {
  TempDir dir;
  const std::string name = dir.file(".a.jpg.trimlet-" + std::to_string(goneProcess()) + "-Ab3dE9");
  test::writeFileBytes(name, {1});
  Child holder([&](int ready) {
    const int fd = open(name.c_str(), O_RDONLY);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) _exit(1);
    signalReady(ready);
  });
  ASSERT_TRUE(holder.ready());
  EXPECT_EQ(*removeStaleTemporaryFiles(dir.path()), 0);
  holder.kill();
  EXPECT_EQ(*removeStaleTemporaryFiles(dir.path()), 1);
}

// Killed half way through a write: the target is the old file, the
// temporary file stays until a cleanup finds its writer gone.
TEST(StaleTemporaryFiles, KilledWriterLeavesNoTornTargetAndItsFileIsRemoved) {
  TempDir dir;
  const std::string target = dir.file("out.jpg");
  test::writeFileBytes(target, {'o', 'l', 'd'});
  Child writer([&](int ready) {
    auto file = AtomicFile::open(target);
    if (!file) _exit(1);
    std::fputs("half a picture", file->stream());
    std::fflush(file->stream());
    signalReady(ready);
    for (;;) pause();  // never commits; the file stays open and locked
  });
  ASSERT_TRUE(writer.ready());
  ASSERT_EQ(folderEntries(dir.path()).size(), 2u);

  // While the writer lives its file is kept.
  auto removed = removeStaleTemporaryFiles(dir.path());
  ASSERT_TRUE(removed.ok());
  EXPECT_EQ(*removed, 0);
  EXPECT_EQ(folderEntries(dir.path()).size(), 2u);

  writer.kill();
  EXPECT_EQ(test::readFileBytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
  removed = removeStaleTemporaryFiles(dir.path());
  ASSERT_TRUE(removed.ok());
  EXPECT_EQ(*removed, 1);
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"out.jpg"});
}

// A writer that replaces one picture again and again, killed wherever it
// happens to be, twenty times: the target always decodes whole.
TEST(StaleTemporaryFiles, TwentyKillsDuringWritesNeverTearTheTarget) {
  TempDir dir;
  const std::string target = dir.file("out.jpg");
  const ImageBuffer picture = test::patternImage(96, 64, 3);
  for (int round = 0; round < 20; ++round) {
    Child writer([&](int ready) {
      for (int i = 0;; ++i) {
        if (!writeJpeg(target, picture, 50 + (round + i) % 50).ok()) _exit(1);
        if (i == 0) signalReady(ready);
      }
    });
    ASSERT_TRUE(writer.ready()) << "round " << round;
    writer.kill();
    auto back = readJpeg(target);
    ASSERT_TRUE(back.ok()) << "round " << round << ": " << back.reason();
    EXPECT_EQ(back->width(), 96);
    ASSERT_TRUE(removeStaleTemporaryFiles(dir.path()).ok());
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"out.jpg"}) << "round " << round;
  }
}

}  // namespace
}  // namespace trimlet

// Writes that either replace the target completely or leave it as it was.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "imagefile/atomic_file.h"
#include "imagefile/image_format.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/png_file.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::readFileBytes;
using test::TempDir;
using test::writeFileBytes;

const std::vector<uint8_t> kOldContent{'o', 'l', 'd', ' ', 'd', 'a', 't', 'a'};

// The names in a folder, so a test sees any temporary file left behind.
std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

Status writeText(const std::string& target, const std::string& text) {
  auto file = AtomicFile::open(target);
  if (!file) return file.status();
  std::fputs(text.c_str(), file->stream());
  return file->commit();
}

mode_t modeOf(const std::string& path) {
  struct stat s;
  return stat(path.c_str(), &s) == 0 ? (s.st_mode & 07777) : 0;
}

TEST(AtomicFile, CommitReplacesTheTargetAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string target = dir.file("out.png");
  writeFileBytes(target, kOldContent);
  ASSERT_TRUE(writeText(target, "new").ok());
  EXPECT_EQ(readFileBytes(target), (std::vector<uint8_t>{'n', 'e', 'w'}));
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"out.png"});
}

TEST(AtomicFile, WritesBesideTheTargetUntilCommitted) {
  TempDir dir;
  const std::string target = dir.file("out.png");
  auto file = AtomicFile::open(target);
  ASSERT_TRUE(file.ok()) << file.reason();
  EXPECT_EQ(std::filesystem::path(file->temporaryPath()).parent_path(),
            std::filesystem::path(dir.path()));
  EXPECT_TRUE(test::fileExists(file->temporaryPath()));
  EXPECT_FALSE(test::fileExists(target));
}

// A writer that gives up (returns early, fails half way) never commits.
TEST(AtomicFile, NeverCommittedLeavesTheTargetAndRemovesTheTemporaryFile) {
  TempDir dir;
  const std::string target = dir.file("out.jpg");
  writeFileBytes(target, kOldContent);
  {
    auto file = AtomicFile::open(target);
    ASSERT_TRUE(file.ok());
    std::fputs("half an image", file->stream());
    AtomicFile moved = std::move(file.value());  // ownership moves with the object
  }
  EXPECT_EQ(readFileBytes(target), kOldContent);
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"out.jpg"});
}

TEST(AtomicFile, DiscardRemovesTheTemporaryFileAtOnce) {
  TempDir dir;
  auto file = AtomicFile::open(dir.file("a.png"));
  ASSERT_TRUE(file.ok());
  file->discard();
  EXPECT_TRUE(folderEntries(dir.path()).empty());
  EXPECT_FALSE(file->commit().ok());
  EXPECT_TRUE(folderEntries(dir.path()).empty());
}

// A write error seen by the stream (a full disk, an I/O error) must keep the
// old file: reading from the write-only stream raises its error flag.
TEST(AtomicFile, StreamErrorFailsTheCommitAndKeepsTheTarget) {
  TempDir dir;
  const std::string target = dir.file("out.tga");
  writeFileBytes(target, kOldContent);
  auto file = AtomicFile::open(target);
  ASSERT_TRUE(file.ok());
  std::fputs("partial", file->stream());
  (void)std::fgetc(file->stream());
  ASSERT_TRUE(std::ferror(file->stream()));
  const Status committed = file->commit();
  EXPECT_FALSE(committed.ok());
  EXPECT_FALSE(committed.reason().empty());
  EXPECT_EQ(readFileBytes(target), kOldContent);
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"out.tga"});
}

TEST(AtomicFile, MissingFolderIsRefusedWithAReason) {
  TempDir dir;
  auto file = AtomicFile::open(dir.file("no such folder/out.png"));
  EXPECT_FALSE(file.ok());
  EXPECT_NE(file.reason().find("no such folder"), std::string::npos) << file.reason();
  EXPECT_TRUE(folderEntries(dir.path()).empty());
}

TEST(AtomicFile, TargetThatIsAFolderStaysAndNothingIsLeft) {
  TempDir dir;
  const std::string target = dir.file("folder.png");
  std::filesystem::create_directory(target);
  writeFileBytes(target + "/inside", kOldContent);
  EXPECT_FALSE(writeText(target, "new").ok());
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(readFileBytes(target + "/inside"), kOldContent);
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"folder.png"});
  EXPECT_FALSE(writeText(dir.path() + "/", "new").ok());
}

TEST(AtomicFile, ReadOnlyFolderIsRefusedAndKeepsTheTarget) {
  TempDir dir;
  const std::string target = dir.file("out.png");
  writeFileBytes(target, kOldContent);
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  if (access(dir.path().c_str(), W_OK) == 0) {
    chmod(dir.path().c_str(), 0755);
    GTEST_SKIP() << "running with rights that ignore folder permissions";
  }
  EXPECT_FALSE(writeText(target, "new").ok());
  chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(readFileBytes(target), kOldContent);
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"out.png"});
}

// A new file gets what fopen would give it (0666 less the umask), not
// mkstemp's 0600; a replaced file keeps its own permissions.
TEST(AtomicFile, NewFileGetsTheUsualPermissionsAndReplacedFileKeepsItsOwn) {
  TempDir dir;
  const mode_t saved = umask(027);
  const Status created = writeText(dir.file("new.png"), "x");
  umask(saved);
  ASSERT_TRUE(created.ok()) << created.reason();
  EXPECT_EQ(modeOf(dir.file("new.png")), mode_t(0640));

  writeFileBytes(dir.file("private.png"), kOldContent);
  chmod(dir.file("private.png").c_str(), 0600);
  ASSERT_TRUE(writeText(dir.file("private.png"), "x").ok());
  EXPECT_EQ(modeOf(dir.file("private.png")), mode_t(0600));
}

TEST(AtomicFile, SymbolicLinkStaysAndTheFileItNamesIsReplaced) {
  TempDir dir;
  writeFileBytes(dir.file("real.png"), kOldContent);
  std::filesystem::create_symlink("real.png", dir.file("link.png"));
  ASSERT_TRUE(writeText(dir.file("link.png"), "new").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.png")));
  EXPECT_EQ(readFileBytes(dir.file("real.png")), (std::vector<uint8_t>{'n', 'e', 'w'}));
  EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"link.png", "real.png"}));
}

// Every writer goes through the atomic file: one that fails half way (here
// the file-size limit makes the disk "full") leaves an existing target
// byte-identical and nothing else behind.
struct WriterCase {
  const char* name;
  std::function<Status(const std::string&, const ImageBuffer&)> write;
};
void PrintTo(const WriterCase& c, std::ostream* os) { *os << c.name; }

class FailingWriter : public ::testing::TestWithParam<WriterCase> {};

TEST_P(FailingWriter, LeavesTheOldFileByteIdentical) {
  TempDir dir;
  const std::string target = dir.file(std::string("out.") + GetParam().name);
  writeFileBytes(target, kOldContent);
  // Noise does not compress: the encoded file is far above the limit.
  ImageBuffer image = test::patternImage(200, 200, 3);

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  void (*savedHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Status written = GetParam().write(target, image);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);

  EXPECT_FALSE(written.ok());
  EXPECT_FALSE(written.reason().empty());
  EXPECT_EQ(readFileBytes(target), kOldContent);
  EXPECT_EQ(folderEntries(dir.path()),
            std::vector<std::string>{"out." + std::string(GetParam().name)});

  // The same write without the limit replaces the file.
  ASSERT_TRUE(GetParam().write(target, image).ok());
  EXPECT_NE(readFileBytes(target), kOldContent);
  EXPECT_EQ(folderEntries(dir.path()).size(), 1u);
}

TEST_P(FailingWriter, MissingFolderWritesNothing) {
  TempDir dir;
  ImageBuffer image = test::solidImage(3, 3, {1, 2, 3});
  const Status written = GetParam().write(dir.file("missing/out.") + GetParam().name, image);
  EXPECT_FALSE(written.ok());
  EXPECT_TRUE(folderEntries(dir.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Writers, FailingWriter,
    ::testing::Values(WriterCase{"jpg", [](const std::string& p,
                                           const ImageBuffer& i) { return writeJpeg(p, i, 95); }},
                      WriterCase{"png", [](const std::string& p,
                                           const ImageBuffer& i) { return writePng(p, i); }},
                      WriterCase{"PNG",
                                 [](const std::string& p, const ImageBuffer& i) {
                                   return writeImageFile(SourceFormat::kPng, p, i, WriteOptions());
                                 }}),
    [](const ::testing::TestParamInfo<WriterCase>& info) {
      return std::string(info.param.name) + std::to_string(info.index);
    });

}  // namespace
}  // namespace trimlet

// trimlet-batch's photo and file options end to end: straightening and
// splitting generated album pages, the report and the dry run, lists of
// files, orientation, lossless cuts, and killed runs that leave no torn file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli/batch_program.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/scan_page.h"

namespace trimlet {
namespace {

using namespace test;
namespace fs = std::filesystem;

// The detector's usual parameters for scans.
const std::vector<std::string> kScan{"--set", "Auto Crop Info/Tolerance=20",
                                     "--set", "Noise Filtering/Filter Size=5",
                                     "--set", "Noise Filtering/Noise Threshold=7"};

ScanPage albumPage(int photos, uint32_t seed) {
  PageRecipe recipe;
  recipe.width = 1200;
  recipe.height = 900;
  recipe.photos = photos;
  recipe.seed = seed;
  return makeScanPage(recipe);
}

std::string textOf(const std::string& path) {
  const std::vector<uint8_t> bytes = readFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// The "result" size of the report's piece whose target stands at `at`.
std::pair<int, int> resultSizeBefore(const std::string& report, size_t at) {
  const size_t result = report.rfind("\"result\": {", at);
  if (result == std::string::npos) return {-1, -1};
  const size_t width = report.find("\"width\": ", result);
  const size_t height = report.find("\"height\": ", result);
  if (width == std::string::npos || height == std::string::npos) return {-1, -1};
  return {std::atoi(report.c_str() + width + 9), std::atoi(report.c_str() + height + 10)};
}

class PhotoOptions : public BatchProgram {};

TEST_F(PhotoOptions, SplitAndStraightenWriteEveryPhotoAtItsSize) {
  const ScanPage page = albumPage(3, 41);
  writeImage("src/page.png", page.image);
  const Outcome r =
      run(kScan + std::vector<std::string>{"--split", "--straighten", "--postfix", "_c", "--format",
                                           "png", "--report", "report.json", "src", "out"});
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("1 processed, 3 written, 0 skipped, 0 failed"), std::string::npos)
      << r.output;
  const std::string report = textOf(root() + "report.json");
  for (int i = 0; i < 3; ++i) {
    const std::string name = "out/page_c_" + std::to_string(i + 1) + ".png";
    SCOPED_TRACE(name);
    const ImageBuffer piece = read(name);
    EXPECT_LE(std::abs(piece.width() - page.photos[size_t(i)].width), 2);
    EXPECT_LE(std::abs(piece.height() - page.photos[size_t(i)].height), 2);
    // The report names the file with the size written.
    const size_t at = report.find("\"target\": \"" + name + "\"");
    ASSERT_NE(at, std::string::npos) << report;
    EXPECT_EQ(resultSizeBefore(report, at), std::make_pair(piece.width(), piece.height()))
        << report;
  }
  EXPECT_EQ(report.find("\"target\": \"out/page_c_4.png\""), std::string::npos);
  EXPECT_NE(report.find("\"tilt\": \"tilted\""), std::string::npos) << report;
}

TEST_F(PhotoOptions, TheReportIsTheSameWithSeveralJobs) {
  for (int i = 0; i < 5; ++i)
    writeImage("src/p" + std::to_string(i) + ".bmp", page(80 + i, 60, 3 + i, 4, 40, 30 - i));
  test::writeFileBytes(root() + "src/bad.png", {0x89, 'P', 'N', 'G'});
  const auto args = autoCrop + std::vector<std::string>{"--format", "png"};
  const Outcome one = run(args + std::vector<std::string>{"--report", "one.json", "src", "a"});
  const Outcome three =
      run(args + std::vector<std::string>{"--jobs", "3", "--report", "three.json", "src", "a"});
  EXPECT_EQ(one.status, 1) << one.output;
  EXPECT_EQ(three.status, 1) << three.output;
  const std::string first = textOf(root() + "one.json");
  EXPECT_NE(first.find("\"source\": \"src/bad.png\""), std::string::npos) << first;
  EXPECT_NE(first.find("\"status\": \"failed\""), std::string::npos);
  // The second run found the targets there, and asked no one: skipped.
  const std::string second = textOf(root() + "three.json");
  EXPECT_NE(second.find("\"skipped\": 5"), std::string::npos) << second;
  EXPECT_EQ(run(args + std::vector<std::string>{"--overwrite", "all", "--jobs", "3", "--report",
                                                "again.json", "src", "a"})
                .status,
            1);
  EXPECT_EQ(textOf(root() + "again.json"), first);
}

TEST_F(PhotoOptions, ADryRunShowsTheBoxesAndWritesOnlyTheReport) {
  const ScanPage page = albumPage(2, 42);
  writeImage("src/page.png", page.image);
  const Outcome r = run(kScan + std::vector<std::string>{"--split", "--straighten", "--dry-run",
                                                         "--report", "plan.json", "src", "out"});
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("src/page.png: 1200 x 900, photo 1 "), std::string::npos) << r.output;
  EXPECT_NE(r.output.find(" -> out/page_2.jpg"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("turned "), std::string::npos) << r.output;
  EXPECT_FALSE(fs::exists(root() + "out"));
  EXPECT_NE(textOf(root() + "plan.json").find("\"status\": \"dry run\""), std::string::npos);
}

TEST_F(PhotoOptions, ALosslessCutIsShownAndWritten) {
  test::writeFileBytes(root() + "src/scan.jpg",
                       jpegFile(pageWithBlock(100, 80, 21, 10, 40, 30), 1, 1, {}));
  const auto args =
      autoCrop + std::vector<std::string>{"--set",      "Noise Filtering/Filter Size=1",
                                          "--set",      "Noise Filtering/Noise Threshold=1",
                                          "--lossless", "--prefix",
                                          "c_"};
  const Outcome plan = run(args + std::vector<std::string>{"--dry-run", "src"});
  ASSERT_EQ(plan.status, 0) << plan.output;
  EXPECT_NE(plan.output.find("crop 21,10 40 x 30, result 45 x 32, lossless 16,8 45 x 32 -> "
                             "src/c_scan.jpg"),
            std::string::npos)
      << plan.output;
  ASSERT_EQ(run(args + std::vector<std::string>{"src"}).status, 0);
  const ImageBuffer cut = decodeBlockwise(readFileBytes(root() + "src/c_scan.jpg"));
  const ImageBuffer source = decodeBlockwise(readFileBytes(root() + "src/scan.jpg"));
  EXPECT_TRUE(SameImage(cutOut(source, 16, 8, 45, 32), cut));
}

TEST_F(PhotoOptions, OrientationIsHonouredUnlessToldOtherwise) {
  test::writeFileBytes(root() + "src/phone.jpg", jpegFile(pageWithBlock(64, 48, 10, 6, 30, 20), 1,
                                                          1, {exifMarker(exifBlock(6))}));
  const auto args = autoCrop + std::vector<std::string>{"--format", "png", "--dry-run", "src"};
  const Outcome upright = run(args);
  EXPECT_NE(upright.output.find("phone.jpg: 48 x 64, crop "), std::string::npos) << upright.output;
  EXPECT_NE(upright.output.find("result 20 x 30"), std::string::npos) << upright.output;
  const Outcome stored = run(args + std::vector<std::string>{"--no-orientation"});
  EXPECT_NE(stored.output.find("phone.jpg: 64 x 48, crop 10,6 30 x 20"), std::string::npos)
      << stored.output;
}

class FilesFrom : public BatchProgram {};

TEST_F(FilesFrom, TakesTheListedFilesAndNamesEveryBadEntry) {
  writeImage("src/a.bmp", page(60, 40, 10, 5, 20, 15));
  writeImage("src/sub/deep/b.png", page(50, 50, 5, 5, 30, 10));
  writeImage("src/unlisted.bmp", page(50, 50, 5, 5, 30, 10));
  writeImage("elsewhere.bmp", page(50, 50, 5, 5, 30, 10));
  test::writeFileBytes(root() + "list.txt", {});
  {
    FILE* f = std::fopen((root() + "list.txt").c_str(), "w");
    std::fputs("a.bmp\r\n\n./sub/deep/b.png\n../elsewhere.bmp\nmissing.jpg\nnotes.txt\n", f);
    std::fprintf(f, "%s\n", (root() + "elsewhere.bmp").c_str());
    std::fclose(f);
  }
  const Outcome r =
      run(autoCrop + std::vector<std::string>{"--files-from", "list.txt", "src", "out"});
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("2 processed, 2 written, 0 skipped, 4 failed"), std::string::npos)
      << r.output;
  EXPECT_EQ(read("out/a.jpg").width(), 20);
  EXPECT_EQ(read("out/sub/deep/b.jpg").width(), 30);
  EXPECT_FALSE(fs::exists(root() + "out/unlisted.jpg"));
  for (const char* line :
       {"../elsewhere.bmp: lies outside the source folder", "src/missing.jpg: no such file",
        "src/notes.txt: is not an image", "elsewhere.bmp: lies outside the source folder"})
    EXPECT_NE(r.output.find(line), std::string::npos) << line << "\n" << r.output;
}

TEST_F(FilesFrom, ReadsTheListFromStandardInput) {
  writeImage("src/a.bmp", page(60, 40, 10, 5, 20, 15));
  writeImage("src/b.bmp", page(60, 40, 10, 5, 20, 15));
  const Outcome r =
      run(autoCrop + std::vector<std::string>{"--files-from", "-", "src", "out"}, "b.bmp\n");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(fs::exists(root() + "out/b.jpg"));
  EXPECT_FALSE(fs::exists(root() + "out/a.jpg"));
}

TEST_F(FilesFrom, BadUsageExitsWithTwo) {
  EXPECT_EQ(run({"--files-from", "nolist.txt", "src"}).status, 2);
  test::writeFileBytes(root() + "list.txt", {'a', '\n'});
  EXPECT_EQ(run({"--files-from", "list.txt", "-r", "src"}).status, 2);
  EXPECT_EQ(run({"--min-photo", "101", "src"}).status, 2);
  EXPECT_EQ(run({"--min-photo", "-1", "src"}).status, 2);
  const Outcome manual = run({"--straighten", "--set", "Manual Crop Info/Cropping Mode=1", "src"});
  EXPECT_NE(manual.output.find("work in Auto Crop mode"), std::string::npos) << manual.output;
}

// A run killed at any moment leaves each target whole or absent, and the
// next run removes the temporary files it left.
TEST_F(PhotoOptions, KilledRunsLeaveNoTornFile) {
  for (int i = 0; i < 8; ++i)
    writeImage("src/p" + std::to_string(i) + ".png", page(600, 400, 20 + i, 30, 500, 300));
  const std::string out = root() + "out";
  fs::create_directories(out);
  for (int round = 0; round < 20; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      const std::string config = "XDG_CONFIG_HOME=" + root() + "config";
      putenv(const_cast<char*>(config.c_str()));
      execl(TRIMLET_BATCH_PROGRAM, "trimlet-batch", "--set", "Auto Crop Info/Tolerance=20",
            "--overwrite", "all", "--format", "png", (root() + "src").c_str(), out.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    // Round r kills it while it writes its (r % 8)th file: once that many of
    // its temporary files were seen (or it has ended).
    const std::string mine = ".trimlet-" + std::to_string(child) + "-";
    std::set<std::string> seen;
    bool ended = false;
    while (int(seen.size()) < round % 8 && !ended) {
      std::error_code ec;
      for (const auto& entry : fs::directory_iterator(out, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find(mine) != std::string::npos) seen.insert(name);
      }
      int status = 0;
      ended = waitpid(child, &status, WNOHANG) == child;
      sched_yield();
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (const auto& entry : fs::directory_iterator(out)) {
      const std::string name = entry.path().filename().string();
      if (name[0] == '.') continue;  // a temporary file, never a target
      EXPECT_EQ(read("out/" + name).width(), 500) << name << ", round " << round;
    }
  }
  ASSERT_EQ(run(autoCrop +
                std::vector<std::string>{"--overwrite", "all", "--format", "png", "src", "out"})
                .status,
            0);
  for (const auto& entry : fs::directory_iterator(out))
    EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}

}  // namespace
}  // namespace trimlet

// trimlet-batch from the outside: folders made by the test, the program run
// as a user runs it, the files it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "imagefile/image_format.h"
#include "tests/cli/batch_program.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using namespace test;
namespace fs = std::filesystem;

TEST_F(BatchProgram, CropsAFolderTreeIntoAMirroredOutputTree) {
  writeImage("src/a.bmp", page(60, 40, 10, 5, 20, 15));
  writeImage("src/sub/b.png", page(50, 50, 5, 5, 30, 10));
  writeImage("src/sub/deep/c.tga", page(30, 30, 1, 2, 3, 4));
  fs::create_directories(root() + "src/empty");
  const Outcome r = run(autoCrop + std::vector<std::string>{"-r", "--postfix", "_c", "--format",
                                                            "png", "src", "out"});
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("Cropping completed."), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("3 processed, 3 written, 0 skipped, 0 failed"), std::string::npos)
      << r.output;
  ImageBuffer a = read("out/a_c.png");
  EXPECT_EQ(a.width(), 20);
  EXPECT_EQ(a.height(), 15);
  ImageBuffer b = read("out/sub/b_c.png");
  EXPECT_EQ(b.width(), 30);
  EXPECT_EQ(b.height(), 10);
  ImageBuffer c = read("out/sub/deep/c_c.png");
  EXPECT_EQ(c.width(), 3);
  EXPECT_EQ(c.height(), 4);
  EXPECT_FALSE(fs::exists(root() + "out/empty"));
}

TEST_F(BatchProgram, ACorruptFileFailsAloneAndIsNamed) {
  writeImage("src/good.bmp", page(20, 20, 2, 2, 5, 5));
  test::writeFileBytes(root() + "src/bad.jpg", {0xFF, 0xD8, 0xFF, 0x00, 0x01});
  const Outcome r = run(autoCrop + std::vector<std::string>{"src", "out"});
  EXPECT_EQ(r.status, 1) << r.output;
  EXPECT_NE(r.output.find("src/bad.jpg"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("1 processed, 1 written, 0 skipped, 1 failed"), std::string::npos)
      << r.output;
  EXPECT_TRUE(fs::exists(root() + "out/good.jpg"));
  EXPECT_FALSE(fs::exists(root() + "out/bad.jpg"));
}

TEST_F(BatchProgram, SourcesStayUntouchedWhenNobodyAnswers) {
  writeImage("src/a.bmp", page(20, 20, 2, 2, 5, 5));
  writeImage("src/b.png", page(20, 20, 2, 2, 5, 5));
  const auto before = test::readFileBytes(root() + "src/a.bmp");
  const Outcome r = run(autoCrop + std::vector<std::string>{"--format", "same", "src"});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("2 processed, 0 written, 2 skipped"), std::string::npos) << r.output;
  EXPECT_EQ(test::readFileBytes(root() + "src/a.bmp"), before);
  EXPECT_EQ(read("src/b.png").width(), 20);
}

TEST_F(BatchProgram, OverwriteAllAndNoneAnswerEveryFile) {
  writeImage("src/a.bmp", page(20, 20, 2, 2, 5, 5));
  Outcome none =
      run(autoCrop + std::vector<std::string>{"--format", "same", "--overwrite", "none", "src"});
  EXPECT_EQ(none.status, 0) << none.output;
  EXPECT_EQ(read("src/a.bmp").width(), 20);
  Outcome all =
      run(autoCrop + std::vector<std::string>{"--format", "same", "--overwrite", "all", "src"});
  EXPECT_EQ(all.status, 0) << all.output;
  EXPECT_EQ(read("src/a.bmp").width(), 5);
}

TEST_F(BatchProgram, SeveralJobsWriteTheSameBytesAsOne) {
  for (int i = 0; i < 6; ++i)
    writeImage("src/p" + std::to_string(i) + ".png", page(80 + i, 60, 3 + i, 4, 40, 30 - i));
  ASSERT_EQ(run(autoCrop + std::vector<std::string>{"--jobs", "1", "src", "one"}).status, 0);
  const Outcome two = run(autoCrop + std::vector<std::string>{"--jobs", "3", "src", "three"});
  ASSERT_EQ(two.status, 0) << two.output;
  for (int i = 0; i < 6; ++i) {
    const std::string name = "/p" + std::to_string(i) + ".jpg";
    EXPECT_EQ(test::readFileBytes(root() + "one" + name),
              test::readFileBytes(root() + "three" + name))
        << name;
  }
}

// Sources of several formats that end in one target: whatever the number
// of jobs, the files are checked, written and reported in the walk's order,
// so the same file's result stays and the messages read the same.
class SharedTargetJobs : public BatchProgram, public ::testing::WithParamInterface<const char*> {};

TEST_P(SharedTargetJobs, EndAsWithOneJob) {
  writeImage("src/a.bmp", page(60, 40, 10, 5, 20, 15));
  writeImage("src/a.png", page(60, 40, 3, 4, 30, 11));
  writeImage("src/a.tga", page(60, 40, 7, 9, 12, 25));
  for (int i = 0; i < 5; ++i)
    writeImage("src/p" + std::to_string(i) + ".png", page(80 + i, 60, 3 + i, 4, 40, 30 - i));
  const std::vector<std::string> args =
      autoCrop + std::vector<std::string>{"--overwrite", GetParam(), "src", "out"};
  const Outcome one = run(args + std::vector<std::string>{"--jobs", "1"});
  ASSERT_EQ(one.status, 0) << one.output;
  const auto kept = test::readFileBytes(root() + "out/a.jpg");
  fs::remove_all(root() + "out");
  for (int round = 0; round < 3; ++round) {
    const Outcome three = run(args + std::vector<std::string>{"--jobs", "3"});
    ASSERT_EQ(three.status, 0) << three.output;
    EXPECT_EQ(three.output, one.output);
    EXPECT_EQ(test::readFileBytes(root() + "out/a.jpg"), kept) << "round " << round;
    fs::remove_all(root() + "out");
  }
}

INSTANTIATE_TEST_SUITE_P(OverwriteAllOrNone, SharedTargetJobs, ::testing::Values("all", "none"));

TEST_F(BatchProgram, ADryRunWritesNothing) {
  writeImage("src/sub/a.bmp", page(60, 40, 10, 5, 20, 15));
  const Outcome r = run(autoCrop + std::vector<std::string>{"--dry-run", "-r", "src", "out"});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(
      r.output.find("src/sub/a.bmp: 60 x 40, crop 10,5 20 x 15, result 20 x 15 -> out/sub/a.jpg"),
      std::string::npos)
      << r.output;
  EXPECT_FALSE(fs::exists(root() + "out"));
}

TEST_F(BatchProgram, AProfileFileAndOverridesGiveTheSettings) {
  writeImage("src/a.bmp", page(60, 40, 10, 5, 20, 15));
  test::writeFileBytes(root() + "profile.ini", {});
  {
    FILE* f = std::fopen((root() + "profile.ini").c_str(), "w");
    std::fputs(
        "[Auto Crop Info]\nTolerance=20\n[Crop Edge Info]\nEdge Check=1\n"
        "Cut Value=2\nCut Type=1\nCut Direction=0\n[Image Option]\nOutput Format=2\n",
        f);
    std::fclose(f);
  }
  const Outcome r = run({"--profile", "profile.ini", "src", "out"});
  ASSERT_EQ(r.status, 0) << r.output;
  ImageBuffer a = read("out/a.bmp");
  EXPECT_EQ(a.width(), 24);
  EXPECT_EQ(a.height(), 19);
}

TEST_F(BatchProgram, BadUsageAndMissingFoldersExitWithTwo) {
  EXPECT_EQ(run({"nowhere"}).status, 2);
  EXPECT_EQ(run({"--frobnicate", "src"}).status, 2);
  EXPECT_EQ(run({"--quality", "101", "src"}).status, 2);
  const Outcome typo = run({"--set", "Auto Crop Info/Tolerence=20", "src"});
  EXPECT_EQ(typo.status, 2);
  EXPECT_NE(typo.output.find("no such setting"), std::string::npos) << typo.output;
  EXPECT_EQ(run({"--set", "Auto Crop Info/Tolerance=lots", "src"}).status, 2);
  EXPECT_EQ(run({"--profile", "missing.ini", "src"}).status, 2);
  EXPECT_EQ(run({"--help"}).status, 0);
}

TEST_F(BatchProgram, SetValuesOutsideTheirRangeAreRefusedWithTheRange) {
  const Outcome tolerance = run({"--set", "Auto Crop Info/Tolerance=150", "src"});
  EXPECT_EQ(tolerance.status, 2);
  EXPECT_NE(tolerance.output.find("the value must be 0-100"), std::string::npos)
      << tolerance.output;
  const Outcome filter = run({"--set", "Noise Filtering/Filter Size=8", "src"});
  EXPECT_EQ(filter.status, 2);
  EXPECT_NE(filter.output.find("odd, 1-49"), std::string::npos) << filter.output;
  // The threshold is checked against the filter size given with it.
  EXPECT_EQ(run({"--set", "Noise Filtering/Noise Threshold=10", "src"}).status, 2);
  EXPECT_EQ(run({"--set", "Noise Filtering/Filter Size=5", "--set",
                 "Noise Filtering/Noise Threshold=10", "src"})
                .status,
            0);
  EXPECT_EQ(run({"--set", "Manual Crop Info/Rotation Degree=12.5", "src"}).status, 2);
  EXPECT_EQ(run({"--set", "Fill Option/Red=300", "src"}).status, 2);
  EXPECT_EQ(run({"--set", "Fill Option/Red=0", "src"}).status, 0);
}

TEST_F(BatchProgram, ListSettingsNamesEveryStoredValueWithItsRange) {
  const Outcome r = run({"--list-settings"});
  EXPECT_EQ(r.status, 0);
  for (const char* line :
       {"Auto Crop Info/Tolerance=0", "Crop Edge Info/Cut Type=1", "0 %, 1 Pixel",
        "Image Option/Jpeg quality=75", "Background Option/Red, Green, Blue=255", "0-255 each",
        "Manual Crop Info/Rotation Degree=0", "Noise Filtering/Filter Size=3"})
    EXPECT_NE(r.output.find(line), std::string::npos) << line << "\n" << r.output;
}

TEST_F(BatchProgram, AnEmptyFolderSaysSo) {
  const Outcome r = run({"src"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.output.find("No image file or invalid directory."), std::string::npos);
}

}  // namespace
}  // namespace trimlet

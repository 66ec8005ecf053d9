// The batch's record as JSON, and lists of files in place of a walk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "output/batch/batch_report.h"
#include "output/batch/file_list.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

TEST(BatchReport, RecordsEverySourceBoxAndTarget) {
  BatchFileResult split;
  split.source = "src/page.jpg";
  split.sourceWidth = 300;
  split.sourceHeight = 200;
  split.outcome.kind = FileOutcome::Kind::kWritten;
  BatchPieceRecord turned;
  turned.number = 1;
  turned.box = CropBox{10, 20, 110, 100};  // buffer rows: 100 rows from the top is y 100
  turned.degrees = -3.14159;
  turned.measured = true;
  turned.verdict = TiltVerdict::kTurned;
  turned.resultWidth = 95;
  turned.resultHeight = 70;
  turned.target = "out/page_1.jpg";
  turned.kind = FileOutcome::Kind::kWritten;
  BatchPieceRecord kept;
  kept.number = 2;
  kept.box = CropBox{150, 0, 250, 50};
  kept.resultWidth = 100;
  kept.resultHeight = 50;
  kept.target = "out/page_2.jpg";
  kept.kind = FileOutcome::Kind::kSkipped;
  kept.lossless = PixelBox{144, 144, 106, 56};
  kept.warnings = {"The profile \"x\" was left out."};
  split.pieces = {turned, kept};

  BatchFileResult broken;
  broken.source = "src/bad\x01\xff.png";
  broken.outcome.kind = FileOutcome::Kind::kReadFailed;
  broken.outcome.reason = "Not a PNG file.";

  const std::string json =
      batchReportJson(BatchReportHeader{"src/", "out/", false}, {split, broken});
  const std::string expected = R"({
  "source": "src/",
  "output": "out/",
  "dryRun": false,
  "counts": {
    "files": 2,
    "written": 1,
    "skipped": 1,
    "failed": 1
  },
  "files": [
    {
      "source": "src/page.jpg",
      "width": 300,
      "height": 200,
      "status": "written",
      "pieces": [
        {
          "number": 1,
          "box": {
            "x": 10,
            "y": 100,
            "width": 100,
            "height": 80
          },
          "angle": -3.14,
          "tilt": "tilted",
          "result": {
            "width": 95,
            "height": 70
          },
          "target": "out/page_1.jpg",
          "status": "written"
        },
        {
          "number": 2,
          "box": {
            "x": 150,
            "y": 150,
            "width": 100,
            "height": 50
          },
          "angle": 0.00,
          "result": {
            "width": 100,
            "height": 50
          },
          "target": "out/page_2.jpg",
          "status": "skipped",
          "lossless": {
            "x": 144,
            "y": 144,
            "width": 106,
            "height": 56
          },
          "warnings": [
            "The profile \"x\" was left out."
          ]
        }
      ]
    },
    {
      "source": "src/bad\u0001\uFFFD.png",
      "status": "failed",
      "reason": "Not a PNG file.",
      "pieces": []
    }
  ]
}
)";
  // U+FFFD is written as its UTF-8 bytes.
  std::string wanted = expected;
  wanted.replace(wanted.find("\\uFFFD"), 6, "\xEF\xBF\xBD");
  EXPECT_EQ(json, wanted);
}

TEST(BatchReport, IsWrittenWholeOrNotAtAll) {
  test::TempDir dir;
  const std::string path = dir.file("report.json");
  ASSERT_TRUE(writeBatchReport(path, "{}\n").ok());
  EXPECT_EQ(test::readFileBytes(path), (std::vector<uint8_t>{'{', '}', '\n'}));
  EXPECT_FALSE(writeBatchReport(dir.file("missing/report.json"), "{}\n").ok());
  EXPECT_FALSE(test::fileExists(dir.file("missing")));
}

struct ListCase {
  const char* name;
  std::string folder, file, output, problem;
};
void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
class ListedEntries : public ::testing::TestWithParam<ListCase> {};

// Names relative to the source land at the same place below the output.
TEST_P(ListedEntries, AreJudgedOneByOne) {
  test::TempDir dir;
  const std::string source = dir.path() + "/src/";
  std::filesystem::create_directories(source + "sub");
  test::writeFileBytes(source + "a.jpg", {1});
  test::writeFileBytes(source + "sub/b.png", {1});
  const ListCase& c = GetParam();
  std::string entry = c.name;
  if (entry.rfind("ABS", 0) == 0) entry = dir.path() + entry.substr(3);
  const std::vector<ListedFile> files = listedFiles(source, "out/", {"x.jpg", entry});
  ASSERT_EQ(files.size(), 2u);
  const ListedFile& f = files[1];
  EXPECT_EQ(f.item.number, 2);
  EXPECT_EQ(f.entry, entry);
  EXPECT_EQ(f.problem.substr(0, c.problem.size()), c.problem) << f.problem;
  EXPECT_EQ(f.problem.empty(), c.problem.empty()) << f.problem;
  if (!c.problem.empty() && c.folder.empty()) return;
  EXPECT_EQ(f.item.folder, source + c.folder);
  EXPECT_EQ(f.item.name, c.file);
  EXPECT_EQ(f.item.outputFolder, c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ListedEntries,
    ::testing::Values(ListCase{"a.jpg", "", "a.jpg", "out/", ""},
                      ListCase{"./sub/b.png", "sub/", "b.png", "out/sub/", ""},
                      ListCase{"sub/../a.jpg", "", "a.jpg", "out/", ""},
                      ListCase{"ABS/src/sub/b.png", "sub/", "b.png", "out/sub/", ""},
                      ListCase{"sub/missing.jpg", "sub/", "missing.jpg", "out/sub/", "no such"},
                      ListCase{"sub", "", "sub", "out/", "is not an image"},
                      ListCase{"../src/a.jpg", "", "", "", "lies outside"},
                      ListCase{"ABS/other.jpg", "", "", "", "lies outside"},
                      ListCase{".", "", "", "", "lies outside"}));

TEST(FileList, LinesAreNamesAsTheyStand) {
  test::TempDir dir;
  const std::string path = dir.file("list.txt");
  const std::string text = "a.jpg\r\n\n with space.png \nlast.bmp";
  test::writeFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  FILE* list = std::fopen(path.c_str(), "r");
  ASSERT_NE(list, nullptr);
  auto names = readFileList(list);
  std::fclose(list);
  ASSERT_TRUE(names.ok()) << names.reason();
  EXPECT_EQ(*names, (std::vector<std::string>{"a.jpg", " with space.png ", "last.bmp"}));
}

}  // namespace
}  // namespace trimlet

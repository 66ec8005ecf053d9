// The batch's road for one file: names, the writer of "same as source", the
// overwrite policy, failures, and the inward cut held for one image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "output/batch/batch_file.h"
#include "output/batch/output_name.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::pageWithBlock;

struct NameCase {
  std::string name, affix;
  AffixPosition position;
  OutputFormat format;
  std::string expected;
};
void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.name << " with '" << c.affix << "' ("
      << (c.position == AffixPosition::kPostfix ? "postfix" : "prefix") << ") format "
      << toInt(c.format);
}
class OutputNames : public ::testing::TestWithParam<NameCase> {};
TEST_P(OutputNames, FollowAffixAndFormat) {
  const NameCase& c = GetParam();
  EXPECT_EQ(targetPathFor(outputPathFor("out/", c.name, c.affix, c.position), c.format),
            c.expected);
}
constexpr AffixPosition kPost = AffixPosition::kPostfix;
constexpr AffixPosition kPre = AffixPosition::kPrefix;
INSTANTIATE_TEST_SUITE_P(
    Names, OutputNames,
    ::testing::Values(NameCase{"photo.jpg", "_c", kPost, OutputFormat::kJpeg, "out/photo_c.jpg"},
                      NameCase{"photo.jpg", "_c", kPost, OutputFormat::kTarga, "out/photo_c.tga"},
                      NameCase{"photo.jpg", "_c", kPost, OutputFormat::kBitmap, "out/photo_c.bmp"},
                      NameCase{"photo.jpg", "_c", kPost, OutputFormat::kPng, "out/photo_c.png"},
                      NameCase{"photo.jpg", "c_", kPre, OutputFormat::kSame, "out/c_photo.jpg"},
                      NameCase{"scan.BMP", "", kPre, OutputFormat::kSame, "out/scan.BMP"},
                      NameCase{"scan.BMP", "", kPre, OutputFormat::kJpeg, "out/scan.jpg"}));

// An overwrite policy that records what it was asked and can keep every file.
class RecordingPolicy : public OverwritePolicy {
 public:
  bool keepExisting(std::string& path) override {
    asked.push_back(path);
    return keep;
  }
  std::vector<std::string> asked;
  bool keep = false;
};

class BatchFile : public ::testing::Test {
 protected:
  void writeImage(const std::string& name, const ImageBuffer& image) {
    Status written = writeImageFile(sourceFormatOf(name), dir.file(name), image, WriteOptions());
    ASSERT_TRUE(written.ok()) << written.reason();
  }
  BatchItem item(const std::string& name, const std::string& outputFolder = std::string()) {
    BatchItem i;
    i.folder = dir.path() + "/";
    i.name = name;
    i.outputFolder = outputFolder.empty() ? dir.path() + "/" : outputFolder;
    i.number = 1;
    return i;
  }
  BatchFileResult run(const CropSettings& settings, const BatchItem& file,
                      const std::string& affix = std::string(),
                      AffixPosition position = AffixPosition::kPrefix) {
    BatchJob job = makeBatchJob(settings, false, false);
    job.affix = affix;
    job.affixPosition = position;
    return processBatchFile(job, file, policy);
  }

  test::TempDir dir;
  RecordingPolicy policy;
};

ImageBuffer translucentSquare() {
  ImageBuffer image = test::solidImage(8, 6, {10, 20, 30, 128});
  image.at(0, 0)[3] = 7;
  return image;
}

TEST_F(BatchFile, SameAsSourceWritesAPngWithoutAlpha) {
  writeImage("alpha.png", translucentSquare());
  CropSettings s;
  s.outputFormat = OutputFormat::kSame;
  const BatchFileResult r = run(s, item("alpha.png"), "_c", AffixPosition::kPostfix);
  ASSERT_EQ(r.outcome.kind, FileOutcome::Kind::kWritten) << r.outcome.reason;
  EXPECT_EQ(r.outcome.target, dir.file("alpha_c.png"));
  auto back = readImageFile(SourceFormat::kPng, r.outcome.target);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_EQ(back->channels(), 3);
}

TEST_F(BatchFile, SameAsSourceWithABitmapKeepsTheName) {
  writeImage("scan.bmp", pageWithBlock(20, 10, 2, 2, 5, 5));
  CropSettings s;
  s.outputFormat = OutputFormat::kSame;
  s.tolerance = 20;
  const BatchFileResult r = run(s, item("scan.bmp"), "c_", AffixPosition::kPrefix);
  ASSERT_EQ(r.outcome.kind, FileOutcome::Kind::kWritten) << r.outcome.reason;
  EXPECT_EQ(r.outcome.target, dir.file("c_scan.bmp"));
  auto back = readImageFile(SourceFormat::kBitmap, r.outcome.target);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_EQ(back->width(), 5);
  EXPECT_EQ(back->height(), 5);
  // What a dry run reports: the source, the box and the result.
  EXPECT_EQ(r.sourceWidth, 20);
  EXPECT_EQ(r.sourceHeight, 10);
  EXPECT_EQ(r.box, (CropBox{2, 3, 7, 8}));
  EXPECT_EQ(r.resultWidth, 5);
}

TEST_F(BatchFile, TheOverwritePolicyCanSkipTheWrite) {
  writeImage("scan.bmp", pageWithBlock(20, 10, 2, 2, 5, 5));
  CropSettings s;
  s.outputFormat = OutputFormat::kBitmap;
  policy.keep = true;
  const BatchFileResult r = run(s, item("scan.bmp"));
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kSkipped);
  ASSERT_EQ(policy.asked.size(), 1u);
  EXPECT_EQ(policy.asked[0], dir.file("scan.bmp"));
  EXPECT_EQ(test::readFileBytes(dir.file("scan.bmp")).size(), 54u + 10 * 60);
}

TEST_F(BatchFile, ADryRunAsksNothingAndWritesNothing) {
  writeImage("scan.bmp", pageWithBlock(20, 10, 2, 2, 5, 5));
  CropSettings s;
  s.outputFormat = OutputFormat::kPng;
  BatchJob job = makeBatchJob(s, false, false);
  job.dryRun = true;
  const BatchFileResult r = processBatchFile(job, item("scan.bmp"), policy);
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kProcessed);
  EXPECT_EQ(r.target, dir.file("scan.png"));
  EXPECT_TRUE(policy.asked.empty());
  EXPECT_FALSE(test::fileExists(dir.file("scan.png")));
}

TEST_F(BatchFile, AFailedWriteIsReportedAndLeavesNothing) {
  writeImage("scan.bmp", pageWithBlock(20, 10, 2, 2, 5, 5));
  CropSettings s;
  s.outputFormat = OutputFormat::kPng;
  const BatchFileResult r = run(s, item("scan.bmp", dir.path() + "/missing/"));
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kWriteFailed);
  EXPECT_FALSE(r.outcome.reason.empty());
  EXPECT_FALSE(test::fileExists(dir.file("missing/scan.png")));
}

TEST_F(BatchFile, AnUnreadableFileFailsWithTheReadersReason) {
  test::writeFileBytes(dir.file("broken.bmp"), {'B', 'M', 1, 2, 3});
  const BatchFileResult r = run(CropSettings(), item("broken.bmp"));
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kReadFailed);
  EXPECT_FALSE(r.outcome.reason.empty());
  EXPECT_TRUE(policy.asked.empty());
}

TEST_F(BatchFile, TheLoweredInwardCutHoldsForOneImageOnly) {
  writeImage("small.bmp", pageWithBlock(40, 40, 0, 0, 0, 0));
  writeImage("large.bmp", pageWithBlock(300, 300, 0, 0, 0, 0));
  CropSettings s;
  s.edgeCheck = 1;
  s.cutDirection = CutDirection::kInward;
  s.cutType = CutType::kPixels;
  s.edgeType = EdgeType::kAll;
  s.cutValue = 50;
  s.outputFormat = OutputFormat::kBitmap;
  BatchJob job = makeBatchJob(s, false, false);
  job.affix = "c_";
  EXPECT_EQ(job.gathered.cutValue, 50);  // no image known yet: no limit applied
  const BatchFileResult small = processBatchFile(job, item("small.bmp"), policy);
  ASSERT_TRUE(small.outcome.ok()) << small.outcome.reason;
  EXPECT_EQ(small.resultWidth, 40 - 2 * 19);
  const BatchFileResult large = processBatchFile(job, item("large.bmp"), policy);
  ASSERT_TRUE(large.outcome.ok()) << large.outcome.reason;
  EXPECT_EQ(large.resultWidth, 300 - 2 * 50);
}

}  // namespace
}  // namespace trimlet

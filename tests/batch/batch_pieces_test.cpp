// The batch's pieces, metadata and lossless cuts: split photos written as
// NAME_1, NAME_2 ... through the overwrite policy, records that match the
// files, colour profiles and camera data carried, orientation honoured or
// not, JPEG cuts without loss, and the leftovers of killed writers removed.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "output/batch/batch_file.h"
#include "output/batch/batch_lossless.h"
#include "output/batch/output_name.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct Block {
  int x, y, width, height;  // from the picture's top-left
};

// A white page with dark upright blocks.
ImageBuffer pageWithBlocks(int width, int height, const std::vector<Block>& blocks) {
  ImageBuffer page = test::solidImage(width, height, {255, 255, 255});
  for (const Block& b : blocks)
    for (int row = b.y; row < b.y + b.height; ++row)
      for (int col = b.x; col < b.x + b.width; ++col) {
        uint8_t* p = page.at(col, height - 1 - row);
        p[0] = 30;
        p[1] = 90;
        p[2] = uint8_t(150 + b.x % 100);
      }
  return page;
}

struct NumberCase {
  std::string target;
  int number;
  std::string expected;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.target << " #" << c.number; }
class NumberedNames : public ::testing::TestWithParam<NumberCase> {};
TEST_P(NumberedNames, GoBeforeTheExtension) {
  EXPECT_EQ(numberedPath(GetParam().target, GetParam().number), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Names, NumberedNames,
                         ::testing::Values(NumberCase{"out/photo_c.jpg", 1, "out/photo_c_1.jpg"},
                                           NumberCase{"out/c_photo.png", 12, "out/c_photo_12.png"},
                                           NumberCase{"out/scan.BMP", 2, "out/scan_2.BMP"},
                                           NumberCase{"a.b/x.tga", 3, "a.b/x_3.tga"}));

class RecordingPolicy : public OverwritePolicy {
 public:
  bool keepExisting(std::string& path) override {
    asked.push_back(path);
    return keep.count(path) != 0;
  }
  std::vector<std::string> asked;
  std::set<std::string> keep;
};

class BatchPieces : public ::testing::Test {
 protected:
  BatchItem item(const std::string& name) {
    BatchItem i;
    i.folder = dir.path() + "/";
    i.name = name;
    i.outputFolder = dir.path() + "/";
    i.number = 1;
    return i;
  }
  void writeImage(const std::string& name, const ImageBuffer& image) {
    ASSERT_TRUE(writeImageFile(sourceFormatOf(name), dir.file(name), image, WriteOptions()).ok());
  }
  static CropSettings autoCrop() {
    CropSettings s;
    s.tolerance = 20;
    s.filterSize = 1;
    s.noiseThreshold = 1;
    return s;
  }

  test::TempDir dir;
  RecordingPolicy policy;
};

TEST_F(BatchPieces, SplitPhotosAreWrittenOneByOneWithNumbers) {
  writeImage("page.bmp",
             pageWithBlocks(300, 200, {{150, 20, 120, 70}, {20, 30, 90, 50}, {40, 120, 200, 60}}));
  CropSettings s = autoCrop();
  s.splitPhotos = 1;
  s.outputFormat = OutputFormat::kPng;
  BatchJob job = makeBatchJob(s, false, false);
  job.affix = "_c";
  job.affixPosition = AffixPosition::kPostfix;
  policy.keep.insert(dir.file("page_c_2.png"));
  const BatchFileResult r = processBatchFile(job, item("page.bmp"), policy);
  ASSERT_EQ(r.outcome.kind, FileOutcome::Kind::kWritten) << r.outcome.reason;
  ASSERT_EQ(r.pieces.size(), 3u);
  EXPECT_EQ(policy.asked,
            (std::vector<std::string>{dir.file("page_c_1.png"), dir.file("page_c_2.png"),
                                      dir.file("page_c_3.png")}));
  EXPECT_EQ(r.target, dir.file("page_c_1.png"));
  // Reading order: the upper row left to right, then the lower row.
  const std::vector<CropBox> boxes = {{20, 200 - 80, 110, 200 - 30},
                                      {150, 200 - 90, 270, 200 - 20},
                                      {40, 200 - 180, 240, 200 - 120}};
  for (size_t i = 0; i < 3; ++i) {
    const BatchPieceRecord& p = r.pieces[i];
    SCOPED_TRACE(p.target);
    EXPECT_EQ(p.number, int(i) + 1);
    EXPECT_EQ(p.box, boxes[i]);
    EXPECT_EQ(p.degrees, 0.0);
    if (i == 1) {
      EXPECT_EQ(p.kind, FileOutcome::Kind::kSkipped);
      EXPECT_FALSE(test::fileExists(p.target));
      continue;
    }
    EXPECT_EQ(p.kind, FileOutcome::Kind::kWritten);
    auto back = readImageFile(SourceFormat::kPng, p.target);
    ASSERT_TRUE(back.ok()) << back.reason();
    // The record's box is the file written.
    EXPECT_EQ(back->width(), p.box.width());
    EXPECT_EQ(back->height(), p.box.height());
    EXPECT_EQ(p.resultWidth, back->width());
  }
}

TEST_F(BatchPieces, AFailedPieceFailsTheFileAndADryRunWritesNone) {
  writeImage("page.bmp", pageWithBlocks(300, 200, {{20, 30, 90, 50}, {150, 20, 120, 70}}));
  CropSettings s = autoCrop();
  s.splitPhotos = 1;
  s.outputFormat = OutputFormat::kBitmap;
  BatchJob job = makeBatchJob(s, false, false);
  job.dryRun = true;
  BatchFileResult r = processBatchFile(job, item("page.bmp"), policy);
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kProcessed);
  ASSERT_EQ(r.pieces.size(), 2u);
  EXPECT_EQ(r.pieces[1].target, dir.file("page_2.bmp"));
  EXPECT_EQ(r.pieces[1].resultWidth, 120);
  EXPECT_TRUE(policy.asked.empty());
  EXPECT_FALSE(test::fileExists(dir.file("page_1.bmp")));

  job.dryRun = false;
  BatchItem elsewhere = item("page.bmp");
  elsewhere.outputFolder = dir.path() + "/missing/";
  r = processBatchFile(job, elsewhere, policy);
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kWriteFailed);
  EXPECT_EQ(r.outcome.target, dir.file("missing/page_1.bmp"));
  EXPECT_FALSE(r.outcome.reason.empty());
}

TEST_F(BatchPieces, APageWithoutPhotosFailsWithTheReason) {
  writeImage("blank.bmp", test::solidImage(50, 40, {255, 255, 255}));
  CropSettings s = autoCrop();
  s.splitPhotos = 1;
  const BatchFileResult r =
      processBatchFile(makeBatchJob(s, false, false), item("blank.bmp"), policy);
  EXPECT_EQ(r.outcome.kind, FileOutcome::Kind::kCropFailed);
  EXPECT_NE(r.outcome.reason.find("No photo"), std::string::npos) << r.outcome.reason;
  EXPECT_TRUE(policy.asked.empty());
}

// --- Metadata and orientation. ---------------------------------------------

class BatchMetadata : public BatchPieces {
 protected:
  // A 4:4:4 JPEG source: a block on white, with EXIF (orientation given), a
  // profile and XMP.
  void writeJpegSource(const std::string& name, const ImageBuffer& pixels, int orientation) {
    test::writeFileBytes(dir.file(name),
                         test::jpegFile(pixels, 1, 1,
                                        {test::exifMarker(test::exifBlock(orientation)),
                                         test::xmpMarker(test::xmpPacket(orientation))},
                                        test::iccProfile("RGB ")));
  }
};

TEST_F(BatchMetadata, JpegAndPngResultsCarryProfileAndCameraData) {
  writeJpegSource("camera.jpg", test::pageWithBlock(64, 48, 10, 6, 30, 20), 1);
  for (OutputFormat format : {OutputFormat::kJpeg, OutputFormat::kPng, OutputFormat::kBitmap}) {
    CropSettings s = autoCrop();
    s.outputFormat = format;
    BatchJob job = makeBatchJob(s, false, false);
    job.affix = "c_";
    const BatchFileResult r = processBatchFile(job, item("camera.jpg"), policy);
    ASSERT_EQ(r.outcome.kind, FileOutcome::Kind::kWritten) << r.outcome.reason;
    ImageMetadata carried;
    auto back =
        readImageFileWithMetadata(sourceFormatOf(r.outcome.target), r.outcome.target, &carried);
    ASSERT_TRUE(back.ok()) << back.reason();
    SCOPED_TRACE(r.outcome.target);
    if (format == OutputFormat::kBitmap) {
      EXPECT_FALSE(carried.hasBlocks());
      continue;
    }
    EXPECT_EQ(carried.iccProfile, test::iccProfile("RGB "));
    EXPECT_EQ(test::exifTag(carried.exif, "Exif.Photo.PixelXDimension"), back->width());
    EXPECT_EQ(test::exifTag(carried.exif, "Exif.Photo.PixelYDimension"), back->height());
    EXPECT_FALSE(test::hasThumbnail(carried.exif));
    EXPECT_FALSE(carried.xmp.empty());
  }
}

// --- Lossless cuts. --------------------------------------------------------

TEST_F(BatchMetadata, ALosslessCutIsTheDecodedSourcesBoxMovedToTheGrid) {
  const ImageBuffer pixels = test::pageWithBlock(100, 80, 21, 10, 40, 30);
  writeJpegSource("scan.jpg", pixels, 1);
  CropSettings s = autoCrop();
  s.losslessJpeg = 1;
  s.outputFormat = OutputFormat::kJpeg;
  BatchJob job = makeBatchJob(s, false, false);
  job.affix = "c_";
  job.dryRun = true;
  BatchFileResult planned = processBatchFile(job, item("scan.jpg"), policy);
  ASSERT_EQ(planned.pieces.size(), 1u);
  ASSERT_TRUE(planned.pieces[0].lossless) << planned.pieces[0].note;
  // Quality 100 keeps the block's edges where they were drawn.
  EXPECT_EQ(pictureBox(planned.box, 80), (PixelBox{21, 10, 40, 30}));
  EXPECT_EQ(*planned.pieces[0].lossless, (PixelBox{16, 8, 45, 32}));
  EXPECT_FALSE(test::fileExists(dir.file("c_scan.jpg")));

  job.dryRun = false;
  const BatchFileResult r = processBatchFile(job, item("scan.jpg"), policy);
  ASSERT_EQ(r.outcome.kind, FileOutcome::Kind::kWritten) << r.outcome.reason;
  EXPECT_EQ(r.resultWidth, 45);
  EXPECT_EQ(r.resultHeight, 32);
  const ImageBuffer source = test::decodeBlockwise(test::readFileBytes(dir.file("scan.jpg")));
  const ImageBuffer cut = test::decodeBlockwise(test::readFileBytes(r.outcome.target));
  EXPECT_TRUE(test::SameImage(test::cutOut(source, 16, 8, 45, 32), cut));
  ImageMetadata carried;
  ASSERT_TRUE(readImageFileWithMetadata(SourceFormat::kJpeg, r.outcome.target, &carried).ok());
  EXPECT_EQ(carried.iccProfile, test::iccProfile("RGB "));
  EXPECT_EQ(test::exifTag(carried.exif, "Exif.Photo.PixelXDimension"), 45);
}

struct NotLosslessCase {
  const char* name;
  void (*change)(CropSettings&);
};
void PrintTo(const NotLosslessCase& c, std::ostream* os) { *os << c.name; }
class NotLossless : public BatchMetadata, public ::testing::WithParamInterface<NotLosslessCase> {};

// Any step beyond the cut encodes the decoded result again.
TEST_P(NotLossless, WhenTheRoadDoesMoreThanCut) {
  writeJpegSource("scan.jpg", test::pageWithBlock(100, 80, 21, 10, 40, 30), 1);
  CropSettings s = autoCrop();
  s.losslessJpeg = 1;
  GetParam().change(s);
  BatchJob job = makeBatchJob(s, false, s.croppingMode == CroppingMode::kManual);
  job.affix = "c_";
  const BatchFileResult r = processBatchFile(job, item("scan.jpg"), policy);
  ASSERT_EQ(r.outcome.kind, FileOutcome::Kind::kWritten) << r.outcome.reason;
  ASSERT_EQ(r.pieces.size(), 1u);
  EXPECT_FALSE(r.pieces[0].lossless);
  EXPECT_TRUE(r.pieces[0].note.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Steps, NotLossless,
    ::testing::Values(NotLosslessCase{"PngResult",
                                      [](CropSettings& s) { s.outputFormat = OutputFormat::kPng; }},
                      NotLosslessCase{"FixedSize",
                                      [](CropSettings& s) {
                                        s.fixedSize = 1;
                                        s.fixedWidth = 20;
                                        s.fixedHeight = 20;
                                      }},
                      NotLosslessCase{"Frame",
                                      [](CropSettings& s) {
                                        s.edgeCheck = 1;
                                        s.cutValue = 2;
                                      }},
                      NotLosslessCase{"ManualTurn",
                                      [](CropSettings& s) {
                                        s.croppingMode = CroppingMode::kManual;
                                        s.rotationDegree = 90;
                                      }},
                      NotLosslessCase{"ManualFlip",
                                      [](CropSettings& s) {
                                        s.croppingMode = CroppingMode::kManual;
                                        s.flipVertical = 1;
                                      }},
                      NotLosslessCase{"Off", [](CropSettings& s) { s.losslessJpeg = 0; }}),
    [](const ::testing::TestParamInfo<NotLosslessCase>& info) { return info.param.name; });

TEST(LosslessChoice, AStraightenedPieceIsNotOnlyCut) {
  CropSettings s;
  CropPiece piece;
  EXPECT_TRUE(roadOnlyCuts(s, piece));
  piece.degrees = 2.5;
  EXPECT_FALSE(roadOnlyCuts(s, piece));
  s.croppingMode = CroppingMode::kManual;  // a manual crop only turns by its own rotation
  EXPECT_TRUE(roadOnlyCuts(s, piece));
  s.rotationDegree = 360;
  EXPECT_TRUE(roadOnlyCuts(s, piece));
  EXPECT_EQ(pictureBox(CropBox{3, 10, 13, 30}, 50), (PixelBox{3, 20, 10, 20}));
}

// --- Leftovers of killed writers. ------------------------------------------

pid_t goneProcess() {
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return pid;
}

TEST_F(BatchPieces, TheFirstWriteIntoAFolderRemovesStaleTemporaryFiles) {
  writeImage("a.bmp", test::pageWithBlock(20, 10, 2, 2, 5, 5));
  const std::string stale = dir.file(".a.jpg.trimlet-" + std::to_string(goneProcess()) + "-Ab3dE9");
  const std::string live = dir.file(".b.jpg.trimlet-" + std::to_string(getpid()) + "-Zz9yX8");
  test::writeFileBytes(stale, {1, 2, 3});
  test::writeFileBytes(live, {1, 2, 3});
  BatchJob job = makeBatchJob(autoCrop(), false, false);
  job.dryRun = true;
  processBatchFile(job, item("a.bmp"), policy);
  EXPECT_TRUE(test::fileExists(stale));  // a dry run writes nothing and removes nothing
  job.dryRun = false;
  ASSERT_EQ(processBatchFile(job, item("a.bmp"), policy).outcome.kind, FileOutcome::Kind::kWritten);
  EXPECT_FALSE(test::fileExists(stale));
  EXPECT_TRUE(test::fileExists(live));
  // Once per folder and batch: a leftover appearing later stays until the next batch.
  test::writeFileBytes(stale, {1, 2, 3});
  processBatchFile(job, item("a.bmp"), policy);
  EXPECT_TRUE(test::fileExists(stale));
  processBatchFile(makeBatchJob(autoCrop(), false, false), item("a.bmp"), policy);
  EXPECT_FALSE(test::fileExists(stale));
}

}  // namespace
}  // namespace trimlet

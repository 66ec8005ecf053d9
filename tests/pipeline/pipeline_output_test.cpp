// What the pipeline writes: channel counts by output format, the writer of
// "same as source", names, and failures.
#include <gtest/gtest.h>

#include "engine/pipeline/output_name.h"
#include "tests/pipeline/pipeline_fixture.h"
#include "tests/support/imagemagick.h"

namespace trimlet {
namespace {

using test::PipelineTest;
using test::pixelAt;

struct NameCase {
  std::string name, affix;
  int position, format;
  std::string expected;
};
void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.name << " with '" << c.affix << "' (" << (c.position ? "postfix" : "prefix")
      << ") format " << c.format;
}
class OutputNames : public ::testing::TestWithParam<NameCase> {};
TEST_P(OutputNames, FollowAffixAndFormat) {
  const NameCase& c = GetParam();
  EXPECT_EQ(targetPathFor(outputPathFor("out/", c.name, c.affix, c.position), c.format),
            c.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Names, OutputNames,
    ::testing::Values(NameCase{"photo.jpg", "_c", 1, 0, "out/photo_c.jpg"},
                      NameCase{"photo.jpg", "_c", 1, 1, "out/photo_c.tga"},
                      NameCase{"photo.jpg", "_c", 1, 2, "out/photo_c.bmp"},
                      NameCase{"photo.jpg", "_c", 1, 4, "out/photo_c.png"},
                      NameCase{"photo.jpg", "c_", 0, 3, "out/c_photo.jpg"},
                      NameCase{"scan.BMP", "", 0, 3, "out/scan.BMP"},
                      NameCase{"scan.BMP", "", 0, 0, "out/scan.jpg"}));

ImageBuffer translucentSquare() {
  ImageBuffer image = test::solidImage(8, 6, {10, 20, 30, 128});
  image.at(0, 0)[3] = 7;
  return image;
}

struct AlphaCase {
  int outputFormat;
  int resultChannels;
};
void PrintTo(const AlphaCase& c, std::ostream* os) { *os << "output format " << c.outputFormat; }
class AlphaByOutputFormat : public PipelineTest, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(AlphaByOutputFormat, SurvivesOnlyForTargaAndPng) {
  writeImage("alpha.png", translucentSquare());
  fields().outputFormat = GetParam().outputFormat;
  open("alpha.png");
  ASSERT_FALSE(pipeline.result().empty());
  EXPECT_EQ(pipeline.source().channels(), 4);
  EXPECT_EQ(pipeline.result().channels(), GetParam().resultChannels);
  if (GetParam().resultChannels == 4) {
    EXPECT_EQ(pixelAt(pipeline.result(), 0, 0)[3], 7);
    EXPECT_EQ(pixelAt(pipeline.result(), 1, 0)[3], 128);
  }
}
INSTANTIATE_TEST_SUITE_P(Formats, AlphaByOutputFormat,
                         ::testing::Values(AlphaCase{0, 3}, AlphaCase{1, 4}, AlphaCase{2, 3},
                                           AlphaCase{3, 3}, AlphaCase{4, 4}));

TEST_F(PipelineTest, SameAsSourceWritesAPngWithoutAlpha) {
  writeImage("alpha.png", translucentSquare());
  fields().outputFormat = kOutputSame;
  pipeline.ApplySettings();
  pipeline.setSaveAfterProcessing(true);
  pipeline.setAffix("_c", kAffixPostfix);
  const FileOutcome outcome = pipeline.ProcessFile(dir.path() + "/", "alpha.png");
  ASSERT_EQ(outcome.kind, FileOutcome::kWritten) << outcome.reason;
  EXPECT_EQ(outcome.target, dir.file("alpha_c.png"));
  auto back = readImageFile(kSourcePng, outcome.target);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_EQ(back->channels(), 3);
}

TEST_F(PipelineTest, SameAsSourceWithABitmapKeepsTheName) {
  writeImage("scan.bmp", test::pageWithBlock(20, 10, 2, 2, 5, 5));
  fields().outputFormat = kOutputSame;
  fields().tolerance = 20;
  pipeline.ApplySettings();
  pipeline.setSaveAfterProcessing(true);
  pipeline.setOutputFolder(dir.path() + "/");
  pipeline.setAffix("c_", kAffixPrefix);
  const FileOutcome outcome = pipeline.ProcessFile(dir.path() + "/", "scan.bmp");
  ASSERT_EQ(outcome.kind, FileOutcome::kWritten) << outcome.reason;
  EXPECT_EQ(outcome.target, dir.file("c_scan.bmp"));
  auto back = readImageFile(kSourceBitmap, outcome.target);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_EQ(back->width(), 5);
  EXPECT_EQ(back->height(), 5);
}

TEST_F(PipelineTest, TheOverwriteCheckCanSkipTheWrite) {
  writeImage("scan.bmp", test::pageWithBlock(20, 10, 2, 2, 5, 5));
  fields().outputFormat = kOutputBitmap;
  pipeline.ApplySettings();
  pipeline.setSaveAfterProcessing(true);
  host.skipWrites = true;
  const FileOutcome outcome = pipeline.ProcessFile(dir.path() + "/", "scan.bmp");
  EXPECT_EQ(outcome.kind, FileOutcome::kSkipped);
  ASSERT_EQ(host.overwriteChecks.size(), 1u);
  EXPECT_EQ(host.overwriteChecks[0], dir.file("scan.bmp"));
  EXPECT_EQ(test::readFileBytes(dir.file("scan.bmp")).size(), 54u + 10 * 60);
}

TEST_F(PipelineTest, AFailedWriteIsReportedAndLeavesNothing) {
  writeImage("scan.bmp", test::pageWithBlock(20, 10, 2, 2, 5, 5));
  fields().outputFormat = kOutputPng;
  pipeline.ApplySettings();
  pipeline.setSaveAfterProcessing(true);
  pipeline.setOutputFolder(dir.path() + "/missing/");
  const FileOutcome outcome = pipeline.ProcessFile(dir.path() + "/", "scan.bmp");
  EXPECT_EQ(outcome.kind, FileOutcome::kWriteFailed);
  EXPECT_FALSE(outcome.reason.empty());
  EXPECT_FALSE(test::fileExists(dir.file("missing/scan.png")));
}

TEST_F(PipelineTest, AGreyJpegBecomesThreeEqualChannels) {
  TRIMLET_REQUIRE_MAGICK();
  ASSERT_TRUE(test::magickConvert({"-size", "16x8", "gradient:black-white", "-colorspace", "Gray",
                                   "-type", "Grayscale", dir.file("grey.jpg")}));
  open("grey.jpg");
  ASSERT_FALSE(pipeline.source().empty());
  EXPECT_EQ(pipeline.source().channels(), 3);
  for (int y = 0; y < 8; ++y) {
    const auto p = pixelAt(pipeline.source(), 3, y);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
  }
}

}  // namespace
}  // namespace trimlet

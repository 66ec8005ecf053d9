// The crop road of one image: the rectangle, the cuts, the frames, the
// transforms of Manual Crop mode.
#include <gtest/gtest.h>

#include "tests/pipeline/pipeline_fixture.h"

namespace trimlet {
namespace {

using test::pageWithBlock;
using test::PipelineTest;
using test::pixelAt;

TEST_F(PipelineTest, AutoCropFindsTheBlockOnAWhitePage) {
  writeImage("page.bmp", pageWithBlock(60, 40, 10, 5, 20, 15));
  fields().tolerance = 20;
  fields().filterSize = 1;
  open("page.bmp");
  EXPECT_EQ(host.opened, "page.bmp");
  ASSERT_FALSE(pipeline.result().empty());
  EXPECT_EQ(pipeline.result().width(), 20);
  EXPECT_EQ(pipeline.result().height(), 15);
  EXPECT_EQ(pixelAt(pipeline.result(), 0, 0), (std::vector<uint8_t>{20, 40, 60}));
  // The box in buffer rows: 40 - (5 + 15) = 20 up to 35.
  EXPECT_EQ(pipeline.cropRectangle(), (CropBox{10, 20, 30, 35}));
  EXPECT_EQ(pipeline.inwardCutLimit(), 15 / 2 - 1);
}

TEST_F(PipelineTest, AllBackgroundGivesOnePixelAtTheFirstPixel) {
  ImageBuffer page = pageWithBlock(30, 20, 0, 0, 0, 0);
  page.at(0, 0)[0] = 254;  // the first pixel in the buffer, still background
  writeImage("blank.bmp", page);
  fields().tolerance = 20;
  open("blank.bmp");
  ASSERT_FALSE(pipeline.result().empty());
  EXPECT_EQ(pipeline.result().width(), 1);
  EXPECT_EQ(pipeline.result().height(), 1);
  EXPECT_EQ(pixelAt(pipeline.result(), 0, 0)[0], 254);
}

TEST_F(PipelineTest, ToleranceZeroKeepsTheWholeImage) {
  writeImage("page.bmp", pageWithBlock(30, 20, 5, 5, 3, 3));
  open("page.bmp");
  EXPECT_EQ(pipeline.result().width(), 30);
  EXPECT_EQ(pipeline.result().height(), 20);
}

struct ManualCase {
  CropRect rect;
  CropBox expected;  // in buffer coordinates of a 100 x 50 source
};
void PrintTo(const ManualCase& c, std::ostream* os) {
  *os << "rect " << c.rect.x << "," << c.rect.y << " " << c.rect.width << "x" << c.rect.height;
}
class ManualRectangle : public PipelineTest, public ::testing::WithParamInterface<ManualCase> {};

TEST_P(ManualRectangle, IsCutToTheImageOrMovedBackInside) {
  writeImage("page.bmp", pageWithBlock(100, 50, 0, 0, 0, 0));
  fields().croppingMode = CroppingMode::kManual;
  const CropRect r = GetParam().rect;
  fields().cropX = r.x;
  fields().cropY = r.y;
  fields().cropWidth = r.width;
  fields().cropHeight = r.height;
  open("page.bmp");
  pipeline.ApplyManualRectangle();
  EXPECT_EQ(pipeline.cropRectangle(), GetParam().expected);
  EXPECT_EQ(pipeline.result().width(), GetParam().expected.width());
  EXPECT_EQ(pipeline.result().height(), GetParam().expected.height());
}

INSTANTIATE_TEST_SUITE_P(Rects, ManualRectangle,
                         ::testing::Values(
                             // Inside: rows flip to the bottom-up buffer (50 - (10 + 20) = 20).
                             ManualCase{{5, 10, 30, 20}, {5, 20, 35, 40}},
                             // Wider and taller than the image: spans it.
                             ManualCase{{5, 10, 300, 200}, {0, 0, 100, 50}},
                             // Overhanging right and bottom: moved back without shrinking.
                             ManualCase{{90, 45, 30, 20}, {70, 0, 100, 20}}));

TEST_F(PipelineTest, InwardPercentCutRemoves49ColumnsOf500) {
  writeImage("wide.bmp", pageWithBlock(500, 20, 0, 0, 500, 20));
  fields().edgeCheck = 1;
  fields().cutDirection = CutDirection::kInward;
  fields().cutType = CutType::kPercent;
  fields().edgeType = EdgeType::kLeft;
  fields().cutValue = 10;
  open("wide.bmp");
  EXPECT_EQ(pipeline.result().width(), 500 - 49);
  EXPECT_EQ(pipeline.result().height(), 20);
}

TEST_F(PipelineTest, InwardPixelCutIsHeldToTheLimitAndWrittenBack) {
  writeImage("page.bmp", pageWithBlock(300, 200, 0, 0, 0, 0));
  fields().edgeCheck = 1;
  fields().cutDirection = CutDirection::kInward;
  fields().cutType = CutType::kPixels;
  fields().edgeType = EdgeType::kLeft;
  fields().cutValue = 400;
  fields().inwardCutLimit = 1000;  // as if a larger picture had been shown before
  open("page.bmp");
  EXPECT_EQ(pipeline.result().width(), 300 - 99);
  EXPECT_EQ(fields().cutLeft, 99);
  EXPECT_EQ(fields().cutValue, 99);
  EXPECT_EQ(fields().inwardCutLimit, 99);
}

TEST_F(PipelineTest, OutwardFrameOfTenPixels) {
  writeImage("block.bmp", pageWithBlock(100, 50, 0, 0, 100, 50));
  fields().edgeCheck = 1;
  fields().cutDirection = CutDirection::kOutward;
  fields().cutType = CutType::kPixels;
  fields().edgeType = EdgeType::kAll;
  fields().cutValue = 10;
  fields().fillColor = Rgb{255, 0, 0};
  open("block.bmp");
  const ImageBuffer& r = pipeline.result();
  ASSERT_EQ(r.width(), 120);
  ASSERT_EQ(r.height(), 70);
  EXPECT_EQ(pixelAt(r, 0, 0), (std::vector<uint8_t>{255, 0, 0}));
  EXPECT_EQ(pixelAt(r, 9, 9), (std::vector<uint8_t>{255, 0, 0}));
  EXPECT_EQ(pixelAt(r, 10, 10), (std::vector<uint8_t>{20, 40, 60}));
  EXPECT_EQ(pixelAt(r, 109, 59), (std::vector<uint8_t>{20, 40, 60}));
  EXPECT_EQ(pixelAt(r, 110, 60), (std::vector<uint8_t>{255, 0, 0}));
}

TEST_F(PipelineTest, AdditiveLayersEachMeasureTheSizeReachedBefore) {
  writeImage("block.bmp", pageWithBlock(100, 100, 0, 0, 100, 100));
  fields().edgeCheck = 1;
  fields().cutDirection = CutDirection::kOutward;
  fields().cutType = CutType::kPercent;
  fields().additive = 1;
  fields().edgeType = EdgeType::kLeft;
  fields().cutValue = 10;
  open("block.bmp");  // first layer: Left 10 %
  ASSERT_EQ(pipeline.frameList().size(), 1u);
  EXPECT_EQ(pipeline.result().width(), 100 + 9);
  fields().edgeType = EdgeType::kAll;
  pipeline.ApplySettings();  // second layer: All 10 %
  ASSERT_EQ(pipeline.frameList().size(), 2u);
  // Width 109 after the first layer: pct(10, 109) = 10 on each side.
  EXPECT_EQ(pipeline.result().width(), 109 + 2 * 10);
  EXPECT_EQ(pipeline.result().height(), 100 + 2 * 9);
}

TEST_F(PipelineTest, RotationAndFlipsOnlyInManualCrop) {
  ImageBuffer page = pageWithBlock(40, 20, 0, 0, 1, 1);  // a dark top-left pixel
  writeImage("page.bmp", page);
  fields().rotationDegree = 90;
  fields().flipHorizontal = 1;
  open("page.bmp");
  EXPECT_EQ(pipeline.result().width(), 40) << "auto crop must not rotate";
  EXPECT_EQ(pixelAt(pipeline.result(), 0, 19)[0], 20) << "auto crop must not flip";

  fields().croppingMode = CroppingMode::kManual;
  fields().cropX = 0;
  fields().cropY = 0;
  fields().cropWidth = 40;
  fields().cropHeight = 20;
  pipeline.OpenImage("page.bmp");
  pipeline.ApplyManualRectangle();
  ASSERT_EQ(pipeline.result().width(), 20);
  ASSERT_EQ(pipeline.result().height(), 40);
  // Turned clockwise the top-left pixel goes to the top-right; the flip
  // brings it back to the top-left.
  EXPECT_EQ(pixelAt(pipeline.result(), 0, 39)[0], 20);
}

TEST_F(PipelineTest, FixedSizeFitsAndScalesOneSide) {
  writeImage("page.bmp", pageWithBlock(400, 300, 0, 0, 400, 300));
  fields().fixedSize = 1;
  fields().sizeMode = SizeMode::kWidthHeight;
  fields().fixedWidth = 200;
  fields().fixedHeight = 201;
  open("page.bmp");
  EXPECT_EQ(pipeline.result().width(), 200);
  EXPECT_EQ(pipeline.result().height(), 201);

  fields().sizeMode = SizeMode::kOneSide;
  fields().selSide = SelSide::kLong;
  fields().sidePixel = 100;
  pipeline.OpenImage("page.bmp");
  EXPECT_EQ(pipeline.result().width(), 100);
  EXPECT_EQ(pipeline.result().height(), 75);
  EXPECT_EQ(fields().fixedWidth, 100);
  EXPECT_EQ(fields().fixedHeight, 75);
}

TEST_F(PipelineTest, WholeSelectTakesTheWholeImage) {
  writeImage("page.bmp", pageWithBlock(30, 20, 5, 5, 3, 3));
  host.whole = true;
  fields().tolerance = 20;
  open("page.bmp");
  EXPECT_EQ(pipeline.result().width(), 30);
  EXPECT_EQ(fields().cropWidth, 30);
  EXPECT_EQ(fields().cropHeight, 20);
  EXPECT_EQ(fields().cropX, 0);
}

TEST_F(PipelineTest, UnchangedSettingsDoNotRunAgain) {
  writeImage("page.bmp", pageWithBlock(30, 20, 5, 5, 3, 3));
  open("page.bmp");
  const int shown = host.resultsShown;
  pipeline.ApplySettings();
  EXPECT_EQ(host.resultsShown, shown);
  fields().tolerance = 20;
  pipeline.ApplySettings();
  EXPECT_EQ(host.resultsShown, shown + 1);
  EXPECT_EQ(pipeline.result().width(), 3);
}

TEST_F(PipelineTest, AVanishedChosenFileIsReported) {
  writeImage("page.bmp", pageWithBlock(30, 20, 5, 5, 3, 3));
  host.chosenExists = false;
  open("page.bmp");
  EXPECT_EQ(host.missingReports, 1);
  EXPECT_TRUE(panel.disabled());
  EXPECT_TRUE(pipeline.result().empty());
}

TEST_F(PipelineTest, OtherEndingsAreNotOpened) {
  test::writeFileBytes(dir.file("photo.jpeg"), {1, 2, 3});
  open("photo.jpeg");
  EXPECT_EQ(host.sourcesShown, 0);
  EXPECT_TRUE(host.readFailures.empty());
  EXPECT_TRUE(pipeline.source().empty());
}

TEST_F(PipelineTest, AnUnreadableFileStopsThatFileOnly) {
  test::writeFileBytes(dir.file("broken.bmp"), {'B', 'M', 1, 2, 3});
  writeImage("good.bmp", pageWithBlock(30, 20, 5, 5, 3, 3));
  open("broken.bmp");
  ASSERT_EQ(host.readFailures.size(), 1u);
  EXPECT_TRUE(pipeline.source().empty());
  EXPECT_TRUE(pipeline.result().empty());
  EXPECT_TRUE(panel.disabled());
  pipeline.OpenImage("good.bmp");
  EXPECT_FALSE(pipeline.result().empty());
}

}  // namespace
}  // namespace trimlet

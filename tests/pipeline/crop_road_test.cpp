// The crop road as plain functions, in memory: the box chosen, what comes
// back for the panel, and the same result as the preview's controller.
#include <gtest/gtest.h>

#include <cstring>

#include "pipeline/crop_road.h"
#include "tests/pipeline/pipeline_fixture.h"

namespace trimlet {
namespace {

using test::pageWithBlock;

// The pixels a view reads, in a buffer of their own.
ImageBuffer copyOfView(const ImageView& view) {
  if (view.empty()) return ImageBuffer();
  auto out = ImageBuffer::create(view.width(), view.height(), view.channels());
  EXPECT_TRUE(out.ok());
  for (int y = 0; y < view.height(); ++y) std::memcpy(out->row(y), view.row(y), out->stride());
  return out.take();
}

CropInputs autoCrop(int tolerance = 20) {
  CropInputs in;
  in.settings.tolerance = tolerance;
  in.settings.filterSize = 1;
  in.gathered = gatherSettings(in.settings);
  return in;
}

TEST(CropRoad, AutoCropCutsTheBlockInMemory) {
  const ImageBuffer page = pageWithBlock(60, 40, 10, 5, 20, 15);
  auto out = cropImage(page, autoCrop());
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_EQ(out->result.width(), 20);
  EXPECT_EQ(out->result.height(), 15);
  EXPECT_EQ(out->box, (CropBox{10, 20, 30, 35}));
  EXPECT_EQ(out->boxCutLimit, 15 / 2 - 1);
  EXPECT_EQ(out->detector.rectangle(), (DetectedRect{10, 20, 29, 34}));
  EXPECT_FALSE(out->lowered);
  EXPECT_FALSE(out->scaledSize);
}

TEST(CropRoad, ManualModeTakesTheRectangleAndWholeSelectTheImage) {
  const ImageBuffer page = pageWithBlock(60, 40, 10, 5, 20, 15);
  CropInputs in;
  in.settings.croppingMode = CroppingMode::kManual;
  in.settings.cropX = 50;
  in.settings.cropY = 0;
  in.settings.cropWidth = 30;  // overhangs: moved back inside
  in.settings.cropHeight = 10;
  in.manualRectValid = true;
  auto out = cropImage(page, in);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_EQ(out->box, (CropBox{30, 30, 60, 40}));

  in.wholeSelect = true;
  out = cropImage(page, in);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_EQ(out->box, (CropBox{0, 0, 60, 40}));
}

TEST(CropRoad, WithoutAValidManualRectangleManualModeTakesTheWholeImage) {
  const ImageBuffer page = pageWithBlock(60, 40, 10, 5, 20, 15);
  CropInputs in = autoCrop();
  in.settings.croppingMode = CroppingMode::kManual;
  auto out = cropImage(page, in);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_EQ(out->result.width(), 60);
  EXPECT_EQ(out->result.height(), 40);
}

TEST(CropRoad, ScalingOneSideAndAnInteractiveLoweringComeBackAsValues) {
  const ImageBuffer page = pageWithBlock(300, 200, 0, 0, 300, 200);
  CropInputs in;
  in.settings.edgeCheck = 1;
  in.settings.cutDirection = CutDirection::kInward;
  in.settings.cutType = CutType::kPixels;
  in.settings.edgeType = EdgeType::kLeft;
  in.settings.cutValue = 400;
  in.settings.inwardCutLimit = 1000;
  in.gathered = gatherSettings(in.settings);
  auto out = cropImage(page, in);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_EQ(out->resultCutLimit, 99);
  ASSERT_TRUE(out->lowered);
  EXPECT_EQ(out->lowered->sides.left, 99);
  EXPECT_EQ(out->lowered->sides.right, 0);
  EXPECT_EQ(out->lowered->cutValue, 99);
  EXPECT_EQ(out->result.width(), 300 - 99);

  in.batch = true;  // a batch keeps the lowering to itself
  out = cropImage(page, in);
  ASSERT_TRUE(out.ok());
  EXPECT_FALSE(out->lowered);
  EXPECT_EQ(out->result.width(), 300 - 99);

  CropInputs sized;
  sized.settings.fixedSize = 1;
  sized.settings.sizeMode = SizeMode::kOneSide;
  sized.settings.selSide = SelSide::kLong;
  sized.settings.sidePixel = 150;
  out = cropImage(page, sized);
  ASSERT_TRUE(out.ok());
  ASSERT_TRUE(out->scaledSize);
  EXPECT_EQ(out->scaledSize->width, 150);
  EXPECT_EQ(out->scaledSize->height, 100);
}

TEST(CropRoad, ChoosingTheBoxFromTheDetectedRectangle) {
  // Inclusive bounds become exclusive; a rectangle wider than the image is
  // the whole image.
  EXPECT_EQ(chooseCropBox(DetectedRect{0, 3, 9, 5}, CropSettings(), false, CropBox(), 10, 8),
            (CropBox{0, 3, 10, 6}));
  EXPECT_EQ(chooseCropBox(DetectedRect{0, 3, 10, 5}, CropSettings(), false, CropBox(), 10, 8),
            (CropBox{0, 0, 10, 8}));
  EXPECT_EQ(chooseCropBox(DetectedRect{2, 3, 4, 5}, CropSettings(), false, CropBox(), 10, 8),
            (CropBox{2, 3, 5, 6}));
  CropSettings manual;
  manual.croppingMode = CroppingMode::kManual;
  EXPECT_EQ(chooseCropBox(DetectedRect{2, 3, 4, 5}, manual, true, CropBox{8, 0, 12, 4}, 10, 8),
            (CropBox{6, 0, 10, 4}));
}

TEST(CropRoad, SharingNeverHandsOutAnotherLayoutOrAPhotoPiece) {
  const ImageBuffer page = pageWithBlock(60, 40, 10, 5, 20, 15);
  // Alpha kept for a source without it: the result is a four-channel copy.
  CropInputs alpha = autoCrop();
  alpha.shareSource = true;
  alpha.keepAlpha = true;
  auto out = cropImage(page, alpha);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_FALSE(out->sharedBox);
  EXPECT_EQ(out->result.channels(), 4);
  // The photo road cuts from turned copies: its pieces are their own.
  CropInputs photos = autoCrop();
  photos.shareSource = true;
  photos.gathered.splitPhotos = 1;
  out = cropImage(page, photos);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_FALSE(out->sharedBox);
  EXPECT_FALSE(out->pieceImage(0).empty());
}

// The preview's controller and the plain road give the same pixels.
class SameAsTheController : public test::PipelineTest, public ::testing::WithParamInterface<int> {};

TEST_P(SameAsTheController, ForEachSetting) {
  writeImage("page.bmp", pageWithBlock(90, 70, 12, 9, 41, 33));
  CropSettings& f = fields();
  f.tolerance = 20;
  switch (GetParam()) {
    case 0: break;
    case 1:
      f.croppingMode = CroppingMode::kManual;
      f.rotationDegree = 12.5f;
      f.flipHorizontal = 1;
      break;
    case 2:
      f.edgeCheck = 1;
      f.cutType = CutType::kPercent;
      f.cutValue = 10;
      break;
    case 3:
      f.fixedSize = 1;
      f.fixedWidth = 64;
      f.fixedHeight = 20;
      break;
  }
  open("page.bmp");
  ASSERT_FALSE(pipeline.result().empty());

  auto read = readImageFile(SourceFormat::kBitmap, dir.file("page.bmp"));
  ASSERT_TRUE(read.ok());
  CropInputs in;
  in.settings = fields();
  in.gathered = pipeline.settingsCopy();
  in.frames = pipeline.frameList();
  auto out = cropImage(*read, in);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_TRUE(test::SameImage(pipeline.result(), out->result));
  EXPECT_FALSE(out->sharedBox);

  // A caller that keeps the source reads a plain cut from it, and gets a
  // copy for everything else; the pixels are the same either way.
  in.shareSource = true;
  auto shared = cropImage(*read, in);
  ASSERT_TRUE(shared.ok()) << shared.reason();
  EXPECT_EQ(bool(shared->sharedBox), GetParam() == 0);
  EXPECT_EQ(shared->result.empty(), GetParam() == 0);
  EXPECT_EQ(shared->resultCutLimit, out->resultCutLimit);
  EXPECT_TRUE(test::SameImage(pipeline.result(), copyOfView(shared->pieceView(0, *read))));
}

INSTANTIATE_TEST_SUITE_P(Settings, SameAsTheController, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace trimlet

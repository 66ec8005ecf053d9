// The photo road of Auto Crop: straightening one picture, splitting a page
// into its photos, every later step on each piece, the composite the preview
// shows, and nothing changed when both options are off.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "pipeline/crop_road.h"
#include "pipeline/photo_road.h"
#include "pipeline/piece_layout.h"
#include "pipeline/region_copy.h"
#include "tests/pipeline/pipeline_fixture.h"
#include "tests/support/scan_page.h"

namespace trimlet {
namespace {

using test::pageWithBlock;

struct Block {
  int x, y, width, height;  // from the picture's top-left
};

// A white page with dark upright blocks, each a shade of its own.
ImageBuffer pageWithBlocks(int width, int height, const std::vector<Block>& blocks) {
  ImageBuffer page = test::solidImage(width, height, {255, 255, 255});
  int shade = 20;
  for (const Block& b : blocks) {
    for (int row = b.y; row < b.y + b.height; ++row)
      for (int col = b.x; col < b.x + b.width; ++col) {
        uint8_t* p = page.at(col, height - 1 - row);
        p[0] = uint8_t(shade);
        p[1] = uint8_t(shade + 20);
        p[2] = uint8_t(shade + 40);
      }
    shade += 30;
  }
  return page;
}

// Auto Crop with the detector's usual parameters for scans.
CropInputs scanInputs(bool autoRotate, bool split) {
  CropInputs in;
  in.settings.tolerance = 20;
  in.settings.filterSize = 5;
  in.settings.noiseThreshold = 7;
  in.settings.autoRotate = autoRotate ? 1 : 0;
  in.settings.splitPhotos = split ? 1 : 0;
  in.gathered = gatherSettings(in.settings);
  return in;
}

test::ScanPage scanPage(int photos, uint32_t seed, int width = 1200, int height = 900) {
  test::PageRecipe recipe;
  recipe.width = width;
  recipe.height = height;
  recipe.photos = photos;
  recipe.seed = seed;
  return test::makeScanPage(recipe);
}

TEST(PhotoRoad, TakenOnlyInAutoCropWithOneOfTheOptions) {
  EXPECT_FALSE(findsPhotos(scanInputs(false, false)));
  EXPECT_TRUE(findsPhotos(scanInputs(true, false)));
  EXPECT_TRUE(findsPhotos(scanInputs(false, true)));
  CropInputs manual = scanInputs(true, true);
  manual.settings.croppingMode = CroppingMode::kManual;
  EXPECT_FALSE(findsPhotos(manual));
}

TEST(PhotoRoad, WithBothOptionsOffTheRoadIsThePlainCropWithOnePiece) {
  const ImageBuffer page = pageWithBlock(60, 40, 10, 5, 20, 15);
  auto out = cropImage(page, scanInputs(false, false));
  ASSERT_TRUE(out.ok()) << out.reason();
  ASSERT_EQ(out->pieces.size(), 1u);
  const CropPiece& piece = out->pieces[0];
  EXPECT_EQ(piece.box, out->box);
  EXPECT_EQ(piece.degrees, 0.0);
  EXPECT_FALSE(piece.measured);
  EXPECT_TRUE(piece.image.empty());
  EXPECT_EQ(&out->pieceImage(0), &out->result);
  // The noise filter grows the block by a pixel on every side.
  EXPECT_EQ(out->box, (CropBox{9, 19, 31, 36}));
  EXPECT_EQ(piece.cutWidth, 22);
  EXPECT_EQ(piece.cutHeight, 17);
}

// An upright picture is not resampled: straightening gives exactly the plain
// crop, whatever the later steps.
TEST(PhotoRoad, AnUprightPictureComesThroughStraighteningUnchanged) {
  const ImageBuffer page = pageWithBlock(300, 200, 40, 30, 150, 90);
  for (int edge = 0; edge < 2; ++edge) {
    CropInputs plain = scanInputs(false, false);
    plain.settings.edgeCheck = edge;
    plain.settings.cutValue = 4;
    plain.gathered = gatherSettings(plain.settings);
    CropInputs straight = plain;
    straight.gathered.autoRotate = 1;
    auto a = cropImage(page, plain);
    auto b = cropImage(page, straight);
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_TRUE(test::SameImage(a->result, b->result));
    EXPECT_EQ(a->box, b->box);
    ASSERT_EQ(b->pieces.size(), 1u);
    EXPECT_TRUE(b->pieces[0].measured);
    EXPECT_EQ(b->pieces[0].verdict, TiltVerdict::kStraight);
    EXPECT_EQ(b->pieces[0].degrees, 0.0);
  }
}

class StraightenScan : public ::testing::TestWithParam<uint32_t> {};

TEST_P(StraightenScan, ATiltedPhotoComesOutUprightAtItsOwnSize) {
  const test::ScanPage page = scanPage(1, GetParam());
  ASSERT_FALSE(page.image.empty());
  const test::PagePhoto& truth = page.photos[0];
  auto out = cropImage(page.image, scanInputs(true, false));
  ASSERT_TRUE(out.ok()) << out.reason();
  ASSERT_EQ(out->pieces.size(), 1u);
  const CropPiece& piece = out->pieces[0];
  EXPECT_NEAR(piece.degrees, truth.degrees, 0.3);
  EXPECT_LE(std::abs(out->result.width() - truth.width), 2) << "truth " << truth.width;
  EXPECT_LE(std::abs(out->result.height() - truth.height), 2) << "truth " << truth.height;
  EXPECT_EQ(piece.cutWidth, out->result.width());
  // The box on the source holds the tilted photo.
  EXPECT_LE(piece.box.left, truth.box.left + 2);
  EXPECT_GE(piece.box.right, truth.box.right - 1);
  EXPECT_LE(piece.box.top, truth.box.top + 2);
  EXPECT_GE(piece.box.bottom, truth.box.bottom - 1);
}

INSTANTIATE_TEST_SUITE_P(Seeds, StraightenScan, ::testing::Values(21u, 22u, 23u));

// Unturned pieces are the page's own pixels in their boxes, numbered in
// reading order: the top row first, left to right.
TEST(PhotoSplit, UnturnedPiecesAreTheirBoxesOfThePage) {
  const ImageBuffer page =
      pageWithBlocks(400, 300, {{220, 20, 120, 80}, {30, 30, 100, 60}, {60, 170, 200, 100}});
  auto out = cropImage(page, scanInputs(false, true));
  ASSERT_TRUE(out.ok()) << out.reason();
  ASSERT_EQ(out->pieces.size(), 3u);
  const std::vector<CropBox> expected = {{30, 300 - 90, 130, 300 - 30},
                                         {220, 300 - 100, 340, 300 - 20},
                                         {60, 300 - 270, 260, 300 - 170}};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE("piece " + std::to_string(i + 1));
    EXPECT_EQ(out->pieces[i].box, expected[i]);
    auto cut = copyRegion(page, expected[i], 3);
    ASSERT_TRUE(cut.ok());
    EXPECT_TRUE(test::SameImage(*cut, out->pieceImage(i)));
  }
}

// Fixed size, edges and frame apply to every piece.
TEST(PhotoSplit, LaterStepsApplyToEachPiece) {
  const ImageBuffer page = pageWithBlocks(400, 300, {{30, 30, 100, 60}, {220, 40, 120, 80}});
  CropInputs in = scanInputs(false, true);
  in.settings.fixedSize = 1;
  in.settings.fixedWidth = 50;
  in.settings.fixedHeight = 50;
  in.settings.edgeCheck = 1;
  in.settings.cutValue = 3;
  in.settings.cutDirection = CutDirection::kOutward;
  in.gathered = gatherSettings(in.settings);
  auto out = cropImage(page, in);
  ASSERT_TRUE(out.ok()) << out.reason();
  ASSERT_EQ(out->pieces.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(out->pieceImage(i).width(), 56);
    EXPECT_EQ(out->pieceImage(i).height(), 56);
    EXPECT_EQ(out->pieces[i].cutWidth, i == 0 ? 100 : 120);
  }

  // The inward limit the panel gets fits the smallest piece.
  CropInputs inward = scanInputs(false, true);
  inward.settings.edgeCheck = 1;
  inward.settings.cutDirection = CutDirection::kInward;
  inward.settings.cutValue = 45;
  inward.settings.inwardCutLimit = 1000;
  inward.gathered = gatherSettings(inward.settings);
  out = cropImage(page, inward);
  ASSERT_TRUE(out.ok()) << out.reason();
  EXPECT_EQ(out->resultCutLimit, 60 / 2 - 1);
  ASSERT_TRUE(out->lowered);
  EXPECT_EQ(out->lowered->cutValue, 29);
  EXPECT_EQ(out->pieceImage(0).width(), 100 - 2 * 29);
  EXPECT_EQ(out->pieceImage(1).width(), 120 - 2 * 39);
}

TEST(PhotoSplit, APageWithoutPhotosFailsWithAReason) {
  auto out = cropImage(test::solidImage(200, 100, {255, 255, 255}), scanInputs(true, true));
  ASSERT_FALSE(out.ok());
  EXPECT_NE(out.reason().find("No photo was found"), std::string::npos) << out.reason();

  CropInputs tiny = scanInputs(false, true);
  tiny.gathered.minPhotoPercent = 60;  // the block covers a quarter of the page
  out = cropImage(pageWithBlock(100, 100, 0, 0, 50, 50), tiny);
  ASSERT_FALSE(out.ok());
  EXPECT_NE(out.reason().find("60 %"), std::string::npos) << out.reason();

  tiny.gathered.minPhotoPercent = 400;  // a damaged profile: taken as 100
  EXPECT_FALSE(cropImage(pageWithBlock(100, 100, 0, 0, 50, 50), tiny).ok());
}

// The composite: pieces left to right, tops aligned, the background between.
TEST(PieceLayout, PiecesSideBySideOnTheBackground) {
  std::vector<CropPiece> pieces(2);
  pieces[0].image = test::solidImage(3, 2, {1, 2, 3});
  pieces[1].image = test::solidImage(2, 4, {7, 8, 9});
  int width = 0, height = 0;
  auto places = piecePlaces(pieces, &width, &height);
  ASSERT_TRUE(places.ok());
  EXPECT_EQ(width, 3 + 8 + 2);
  EXPECT_EQ(height, 4);
  EXPECT_EQ((*places)[1].x, 11);
  auto composite = composePieces(pieces, Rgb{200, 100, 50});
  ASSERT_TRUE(composite.ok()) << composite.reason();
  const std::vector<uint8_t> first{1, 2, 3}, second{7, 8, 9}, bed{200, 100, 50};
  EXPECT_EQ(test::pixelAt(*composite, 0, 3), first);  // top row, left
  EXPECT_EQ(test::pixelAt(*composite, 2, 2), first);
  EXPECT_EQ(test::pixelAt(*composite, 0, 1), bed);  // below the shorter piece
  EXPECT_EQ(test::pixelAt(*composite, 5, 3), bed);  // the gap
  EXPECT_EQ(test::pixelAt(*composite, 11, 0), second);
  EXPECT_EQ(test::pixelAt(*composite, 12, 3), second);

  EXPECT_EQ(pieceGap(320), 10);
  pieces[1].image = test::solidImage(2, 4, {7, 8, 9, 255});
  EXPECT_FALSE(composePieces(pieces, Rgb()).ok());
  EXPECT_FALSE(composePieces({}, Rgb()).ok());
}

TEST(PieceLayout, OutlinesInPictureCoordinates) {
  CropPiece upright;
  upright.outline = RotatedRect{15, 30, 10, 20, 0};  // x 10..20, buffer rows 20..40
  const auto corners = outlineCorners(upright, 100);
  EXPECT_DOUBLE_EQ(corners[0].x, 10);
  EXPECT_DOUBLE_EQ(corners[0].y, 80);
  EXPECT_DOUBLE_EQ(corners[2].x, 20);
  EXPECT_DOUBLE_EQ(corners[2].y, 60);
  CropPiece turned;
  turned.outline = RotatedRect{0, 0, 2, 2, 90};
  const auto quarter = outlineCorners(turned, 0);
  EXPECT_NEAR(quarter[0].x, 1, 1e-9);
  EXPECT_NEAR(quarter[0].y, 1, 1e-9);
}

// The preview keeps the pieces and shows their composite.
class PreviewPieces : public test::PipelineTest {};

TEST_F(PreviewPieces, ShowsThePiecesSideBySideAndKeepsThem) {
  writeImage("page.bmp", pageWithBlocks(400, 300, {{30, 30, 100, 60}, {220, 40, 120, 80}}));
  CropSettings& f = fields();
  f.tolerance = 20;
  f.splitPhotos = 1;
  open("page.bmp");
  ASSERT_EQ(pipeline.pieces().size(), 2u);
  EXPECT_EQ(pipeline.result().width(), 100 + pieceGap(80) + 120);
  EXPECT_EQ(pipeline.result().height(), 80);
  EXPECT_EQ(pipeline.pieceImage(1).width(), 120);
  EXPECT_EQ(host.resultsShown, 1);
  EXPECT_EQ(pipeline.statusSizes().resultWidth, pipeline.result().width());

  f.splitPhotos = 0;  // back to the plain crop: one piece, around both blocks
  pipeline.ApplySettings();
  ASSERT_EQ(pipeline.pieces().size(), 1u);
  EXPECT_EQ(pipeline.result().width(), 340 - 30);
  EXPECT_EQ(&pipeline.pieceImage(0), &pipeline.result());
}

}  // namespace
}  // namespace trimlet

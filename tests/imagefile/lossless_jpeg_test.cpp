// The lossless JPEG cut: the box on the block grid, the cut decoded equal
// to the decoded source's box, metadata carried, and refusals that leave
// the target as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "imagefile/jpeg_file.h"
#include "imagefile/jpeg_segments.h"
#include "imagefile/lossless_jpeg.h"
#include "imagefile/orientation.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::Bytes;

struct Sampling {
  const char* name;
  int h, v;  // 0 x 0: grey
};
constexpr Sampling k444{"444", 1, 1}, k422{"422", 2, 1}, k420{"420", 2, 2}, kGrey{"grey", 0, 0};

// A source of width x height stored pixels with the orientation in its EXIF.
std::string writeSource(const test::TempDir& dir, Sampling s, int width, int height,
                        int orientation, const Bytes& profile = {}, bool progressive = false) {
  const std::string path = dir.file("source.jpg");
  test::writeFileBytes(
      path, test::jpegFile(test::patternImage(width, height, 3), s.h, s.v,
                           {test::exifMarker(test::exifBlock(orientation))}, profile, progressive));
  return path;
}

struct PlanCase {
  const char* name;
  Sampling sampling;
  int width, height, orientation;
  PixelBox box, adjusted;
};
void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

class LosslessPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(LosslessPlan, MovesLeftAndTopOutwardToTheBlockGrid) {
  const PlanCase& c = GetParam();
  test::TempDir dir;
  auto plan =
      planLosslessJpegCut(writeSource(dir, c.sampling, c.width, c.height, c.orientation), c.box);
  ASSERT_TRUE(plan.ok()) << plan.reason();
  const PixelBox& a = plan->adjusted;
  EXPECT_EQ(a, c.adjusted) << a.x << ", " << a.y << ", " << a.width << " x " << a.height;
  EXPECT_EQ(plan->moved(), c.box != c.adjusted);
  EXPECT_EQ(plan->orientation, c.orientation);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, LosslessPlan,
    ::testing::Values(
        PlanCase{"Grid8", k444, 100, 80, 1, {21, 10, 40, 30}, {16, 8, 45, 32}},
        PlanCase{"Grey8", kGrey, 100, 80, 1, {21, 10, 40, 30}, {16, 8, 45, 32}},
        PlanCase{"Grid16x8", k422, 100, 80, 1, {21, 10, 40, 30}, {16, 8, 45, 32}},
        PlanCase{"Grid16", k420, 100, 80, 1, {21, 10, 40, 30}, {16, 0, 45, 40}},
        PlanCase{"AlreadyOnTheGrid", k420, 100, 80, 1, {32, 16, 10, 10}, {32, 16, 10, 10}},
        // Turned: the 16 x 8 blocks stand upright, both checks need 16.
        PlanCase{"TurnedGrid", k422, 100, 80, 6, {21, 10, 30, 40}, {16, 0, 35, 50}},
        // 84 rows leave 4 in partial blocks, which the turn brings to the left.
        PlanCase{"TurnedPartialEdge", k420, 100, 84, 6, {21, 10, 30, 20}, {20, 0, 31, 30}}),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return info.param.name; });

struct CutCase {
  Sampling sampling;
  int orientation;
};
void PrintTo(const CutCase& c, std::ostream* os) {
  *os << c.sampling.name << " orientation " << c.orientation;
}

class LosslessCut : public ::testing::TestWithParam<CutCase> {};

// Largest difference of any byte of two images of the same size.
int largestDifference(const ImageBuffer& a, const ImageBuffer& b) {
  int worst = 0;
  for (size_t i = 0; i < a.byteCount(); ++i)
    worst = std::max(worst, std::abs(int(a.data()[i]) - int(b.data()[i])));
  return worst;
}

// 69 x 53 fills no block row or column, so every turn meets partial blocks.
// Without a turn the blocks are copied as they are and decode identically;
// turned blocks decode with the decoder's rounding turned, a level or so off.
TEST_P(LosslessCut, DecodesToTheSourcesBoxPixelForPixel) {
  const auto [sampling, orientation] = GetParam();
  test::TempDir dir;
  const Bytes profile = test::iccProfile("RGB ", 600, 3);
  const std::string source = writeSource(dir, sampling, 69, 53, orientation, profile);
  const PixelBox box{21, 19, 30, 20};
  auto cut = cutJpegLosslessly(source, dir.file("cut.jpg"), box);
  ASSERT_TRUE(cut.ok()) << cut.reason();
  EXPECT_TRUE(cut->warnings.empty()) << cut->warnings.front();
  const PixelBox a = cut->plan.adjusted;

  auto upright =
      applyExifOrientation(test::decodeBlockwise(test::readFileBytes(source)), orientation);
  ASSERT_TRUE(upright.ok());
  const ImageBuffer expected = test::cutOut(*upright, a.x, a.y, a.width, a.height);
  const ImageBuffer decoded = test::decodeBlockwise(test::readFileBytes(dir.file("cut.jpg")));
  if (orientation == 1) {
    EXPECT_TRUE(test::SameImage(expected, decoded));
  } else {
    ASSERT_EQ(decoded.width(), expected.width());
    ASSERT_EQ(decoded.height(), expected.height());
    EXPECT_LE(largestDifference(expected, decoded), 3);
  }

  ImageMetadata metadata;
  ASSERT_TRUE(readJpeg(dir.file("cut.jpg"), &metadata).ok());
  EXPECT_EQ(metadata.iccProfile, profile);
  EXPECT_EQ(metadata.orientation, 1);
  EXPECT_EQ(test::exifTag(metadata.exif, "Exif.Photo.PixelXDimension"), a.width);
  EXPECT_EQ(test::exifTag(metadata.exif, "Exif.Photo.PixelYDimension"), a.height);
  EXPECT_FALSE(test::hasThumbnail(metadata.exif));
}

std::vector<CutCase> everyCut() {
  std::vector<CutCase> cases;
  for (Sampling s : {k444, k422, k420, kGrey})
    for (int o = 1; o <= 8; ++o) cases.push_back({s, o});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(SamplingsAndOrientations, LosslessCut, ::testing::ValuesIn(everyCut()),
                         [](const ::testing::TestParamInfo<CutCase>& info) {
                           return std::string(info.param.sampling.name) + "_orientation" +
                                  std::to_string(info.param.orientation);
                         });

TEST(LosslessCut, AsStoredIgnoresTheOrientationAndKeepsProgressiveCoding) {
  test::TempDir dir;
  const std::string source = writeSource(dir, k420, 64, 48, 6, {}, true);
  ReadOptions asStored;
  asStored.applyOrientation = false;
  auto cut = cutJpegLosslessly(source, dir.file("cut.jpg"), {16, 16, 40, 20}, asStored);
  ASSERT_TRUE(cut.ok()) << cut.reason();
  EXPECT_EQ(cut->plan.orientation, 1);
  const Bytes file = test::readFileBytes(dir.file("cut.jpg"));
  EXPECT_TRUE(test::SameImage(
      test::cutOut(test::decodeBlockwise(test::readFileBytes(source)), 16, 16, 40, 20),
      test::decodeBlockwise(file)));
  const Bytes progressiveStart{0xFF, 0xC2};
  EXPECT_NE(std::search(file.begin(), file.end(), progressiveStart.begin(), progressiveStart.end()),
            file.end());
}

// The markers the cut puts into TurboJPEG's data, read back by libjpeg:
// a profile over three chunks, the EXIF and the XMP.
TEST(LosslessCut, MetadataMarkersAsBytesReadBackWhole) {
  ImageMetadata metadata;
  metadata.iccProfile = test::iccProfile("RGB ", 150000, 1);
  metadata.exif = test::exifBlock(1);
  metadata.xmp = test::xmpPacket(1);
  Bytes file = test::jpegFile(test::patternImage(8, 8, 3), 1, 1, {});
  const size_t at = jpegMetadataInsertionPoint(file.data(), file.size());
  ASSERT_GT(at, 2u);  // after the JFIF marker
  const Bytes segments = jpegMetadataSegments(metadata);
  file.insert(file.begin() + at, segments.begin(), segments.end());
  test::TempDir dir;
  test::writeFileBytes(dir.file("a.jpg"), file);
  ImageMetadata back;
  ASSERT_TRUE(readJpeg(dir.file("a.jpg"), &back).ok());
  EXPECT_EQ(back.iccProfile, metadata.iccProfile);
  EXPECT_EQ(back.exif, metadata.exif);
  EXPECT_EQ(back.xmp, metadata.xmp);
  EXPECT_TRUE(back.warnings.empty());
  EXPECT_EQ(jpegMetadataInsertionPoint(segments.data(), segments.size()), 0u);
}

struct RefusalCase {
  const char* name;
  std::function<Bytes()> source;
  PixelBox box;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class LosslessRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(LosslessRefusal, GivesAReasonAndLeavesTheTargetAsItWas) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("source.jpg"), GetParam().source());
  test::writeFileBytes(dir.file("cut.jpg"), {'o', 'l', 'd'});
  auto cut = cutJpegLosslessly(dir.file("source.jpg"), dir.file("cut.jpg"), GetParam().box);
  EXPECT_FALSE(cut.ok());
  EXPECT_FALSE(cut.reason().empty());
  EXPECT_EQ(test::readFileBytes(dir.file("cut.jpg")), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            2);
}

Bytes plainJpeg(int width, int height, int orientation = 1) {
  return test::jpegFile(test::patternImage(width, height, 3), 2, 2,
                        {test::exifMarker(test::exifBlock(orientation))});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LosslessRefusal,
    ::testing::Values(
        RefusalCase{"BoxOutside", [] { return plainJpeg(64, 48); }, {40, 8, 30, 8}},
        RefusalCase{"EmptyBox", [] { return plainJpeg(64, 48); }, {8, 8, 0, 8}},
        // 84 rows turned: the first 4 upright columns are partial blocks.
        RefusalCase{"IntoPartialBlocks", [] { return plainJpeg(100, 84, 6); }, {2, 8, 30, 8}},
        RefusalCase{
            "NotAJpeg", [] { return Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}; }, {0, 0, 1, 1}},
        RefusalCase{"Truncated",
                    [] {
                      Bytes file = plainJpeg(64, 48);
                      file.resize(file.size() * 2 / 3);
                      return file;
                    },
                    {8, 8, 16, 16}}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

}  // namespace
}  // namespace trimlet

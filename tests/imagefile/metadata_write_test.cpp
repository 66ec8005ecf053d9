// Metadata carried from a JPEG or PNG source into results of each format:
// profile as it was, EXIF with the new size, orientation 1 and no
// thumbnail, XMP updated the same way; none in Targa and bitmap results.
#include <gtest/gtest.h>

#include "imagefile/image_format.h"
#include "imagefile/result_metadata.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/imagefile/png_bytes.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::Bytes;

ImageMetadata sourceMetadata(const char* profileSpace = "RGB ") {
  ImageMetadata m;
  m.iccProfile = test::iccProfile(profileSpace, 1000, 5);
  m.exif = test::exifBlock(6);
  m.xmp = test::xmpPacket(6);
  m.orientation = 6;
  return m;
}

struct WriteCase {
  const char* name;
  SourceFormat format;
  bool carries;
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class ResultMetadata : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ResultMetadata, CarriesProfileAndUpdatedCameraData) {
  test::TempDir dir;
  const std::string path =
      dir.file(std::string("out") +
               outputExtension(static_cast<OutputFormat>(static_cast<int>(GetParam().format))));
  std::vector<std::string> warnings;
  const Status written =
      writeImageFileWithMetadata(GetParam().format, path, test::patternImage(10, 7, 3),
                                 WriteOptions(), sourceMetadata(), &warnings);
  ASSERT_TRUE(written.ok()) << written.reason();
  EXPECT_TRUE(warnings.empty()) << warnings.front();

  ImageMetadata back;
  auto image = readImageFileWithMetadata(GetParam().format, path, &back);
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(image->width(), 10);  // written upright: not turned again
  if (!GetParam().carries) {
    EXPECT_FALSE(back.hasBlocks());
    return;
  }
  EXPECT_TRUE(back.warnings.empty()) << back.warnings.front();
  EXPECT_EQ(back.iccProfile, sourceMetadata().iccProfile);
  EXPECT_EQ(back.orientation, 1);
  EXPECT_EQ(test::exifTag(back.exif, "Exif.Image.Orientation"), 1);
  EXPECT_EQ(test::exifTag(back.exif, "Exif.Photo.PixelXDimension"), 10);
  EXPECT_EQ(test::exifTag(back.exif, "Exif.Photo.PixelYDimension"), 7);
  EXPECT_FALSE(test::hasThumbnail(back.exif));
  EXPECT_NE(std::string(back.exif.begin(), back.exif.end()).find("Trimlet test"),
            std::string::npos);
  EXPECT_NE(back.xmp.find("tiff:Orientation=\"1\""), std::string::npos) << back.xmp;
  EXPECT_NE(back.xmp.find("exif:PixelXDimension=\"10\""), std::string::npos) << back.xmp;
  EXPECT_NE(back.xmp.find("Harbour"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Formats, ResultMetadata,
                         ::testing::Values(WriteCase{"Jpeg", SourceFormat::kJpeg, true},
                                           WriteCase{"Png", SourceFormat::kPng, true},
                                           WriteCase{"Targa", SourceFormat::kTarga, false},
                                           WriteCase{"Bitmap", SourceFormat::kBitmap, false}),
                         [](const ::testing::TestParamInfo<WriteCase>& info) {
                           return info.param.name;
                         });

// Each chunk once, before the picture data, so every reader finds it.
TEST(ResultMetadata, PngChunksComeOnceBeforeThePictureData) {
  test::TempDir dir;
  ASSERT_TRUE(writeImageFileWithMetadata(SourceFormat::kPng, dir.file("a.png"),
                                         test::patternImage(4, 4, 4), WriteOptions(),
                                         sourceMetadata())
                  .ok());
  std::string order;
  for (const auto& chunk : test::pngChunks(test::readFileBytes(dir.file("a.png"))))
    if (chunk.type != "IHDR" && chunk.type != "IEND") order += chunk.type + " ";
  EXPECT_EQ(order, "iCCP eXIf iTXt IDAT ");
}

TEST(ResultMetadata, ProfileForOtherThanRgbDataIsLeftOutWithAWarning) {
  for (const char* space : {"GRAY", "CMYK"}) {
    const ImageMetadata carried =
        metadataForResult(sourceMetadata(space), 10, 7, MetadataTarget::kJpeg);
    EXPECT_TRUE(carried.iccProfile.empty()) << space;
    ASSERT_EQ(carried.warnings.size(), 1u) << space;
    EXPECT_FALSE(carried.exif.empty());
    // A lossless cut keeps the source's colour space, and so its profile.
    EXPECT_FALSE(metadataForResult(sourceMetadata(space), 10, 7, MetadataTarget::kLosslessJpeg)
                     .iccProfile.empty());
  }
}

TEST(ResultMetadata, BlocksTooLargeForAJpegMarkerAreLeftOutOfJpegOnly) {
  ImageMetadata big;
  big.xmp = test::xmpPacket(1);
  big.xmp.insert(big.xmp.find("</rdf:Description>"),
                 "<dc:description>" + std::string(70000, 'a') + "</dc:description>");
  const ImageMetadata jpeg = metadataForResult(big, 10, 7, MetadataTarget::kJpeg);
  EXPECT_TRUE(jpeg.xmp.empty());
  EXPECT_EQ(jpeg.warnings.size(), 1u);
  EXPECT_NE(metadataForResult(big, 10, 7, MetadataTarget::kPng).xmp.find(std::string(70000, 'a')),
            std::string::npos);
}

TEST(ResultMetadata, NoSourceMetadataWritesTheSameFileAsBefore) {
  test::TempDir dir;
  const ImageBuffer image = test::patternImage(9, 9, 3);
  ASSERT_TRUE(writeImageFile(SourceFormat::kJpeg, dir.file("a.jpg"), image, WriteOptions()).ok());
  ASSERT_TRUE(writeImageFileWithMetadata(SourceFormat::kJpeg, dir.file("b.jpg"), image,
                                         WriteOptions(), ImageMetadata())
                  .ok());
  EXPECT_EQ(test::readFileBytes(dir.file("a.jpg")), test::readFileBytes(dir.file("b.jpg")));
}

}  // namespace
}  // namespace trimlet

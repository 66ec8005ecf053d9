// Metadata read from JPEG and PNG sources: whole blocks, and damaged blocks
// that are dropped with a warning while the picture is still read.
#include <gtest/gtest.h>

#include <zlib.h>

#include "imagefile/image_format.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/imagefile/png_bytes.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::Bytes;

struct Read {
  bool ok;
  ImageMetadata metadata;
};

Read readFile(const char* name, const Bytes& bytes) {
  test::TempDir dir;
  test::writeFileBytes(dir.file(name), bytes);
  Read read;
  auto image = readImageFileWithMetadata(sourceFormatOf(name), dir.file(name), &read.metadata);
  read.ok = image.ok();
  return read;
}

Bytes jpegWith(const std::vector<test::JpegMarker>& markers, const Bytes& profile = {}) {
  return test::jpegFile(test::patternImage(16, 8, 3), 2, 2, markers, profile);
}

::testing::AssertionResult warnsAbout(const ImageMetadata& m, const std::string& words) {
  for (const std::string& w : m.warnings)
    if (w.find(words) != std::string::npos) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "no warning about \"" << words << "\" among:";
  for (const std::string& w : m.warnings) failure << "\n  " << w;
  return failure;
}

TEST(JpegMetadataRead, ProfileSpreadOverMarkersExifAndXmpAreKept) {
  const Bytes profile = test::iccProfile("RGB ", 150000, 9);  // three APP2 chunks
  const Bytes exif = test::exifBlock(3);
  const Read read = readFile(
      "a.jpg", jpegWith({test::exifMarker(exif), test::xmpMarker(test::xmpPacket(3))}, profile));
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.metadata.iccProfile, profile);
  EXPECT_EQ(read.metadata.exif, exif);
  EXPECT_EQ(read.metadata.xmp, test::xmpPacket(3));
  EXPECT_EQ(read.metadata.orientation, 3);
  EXPECT_TRUE(read.metadata.warnings.empty()) << read.metadata.warnings.front();
}

TEST(JpegMetadataRead, NoMetadataGivesAnEmptyRecord) {
  const Read read = readFile("a.jpg", jpegWith({}));
  ASSERT_TRUE(read.ok);
  EXPECT_FALSE(read.metadata.hasBlocks());
  EXPECT_EQ(read.metadata.orientation, 1);
  EXPECT_TRUE(read.metadata.warnings.empty());
}

struct DamageCase {
  const char* name;
  std::vector<test::JpegMarker> markers;
  const char* warning;
};
void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class JpegDamagedMetadata : public ::testing::TestWithParam<DamageCase> {};

TEST_P(JpegDamagedMetadata, IsDroppedWithAWarningAndThePictureIsRead) {
  const Read read = readFile("a.jpg", jpegWith(GetParam().markers));
  ASSERT_TRUE(read.ok);
  EXPECT_TRUE(warnsAbout(read.metadata, GetParam().warning));
  EXPECT_EQ(read.metadata.orientation, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, JpegDamagedMetadata,
    ::testing::Values(
        DamageCase{"ExifNotTiff", {test::exifMarker({'x', 'y', 'z', 1, 2, 3, 4, 5, 6, 7})}, "EXIF"},
        DamageCase{"ExifDirectoryOutside",
                   {test::exifMarker({'I', 'I', 42, 0, 0xF0, 0xFF, 0, 0, 1, 2})},
                   "EXIF"},
        DamageCase{"OrientationNine", {test::exifMarker(test::exifBlock(9))}, "orientation 9"},
        DamageCase{"XmpNotXml", {test::xmpMarker("<x:xmpmeta <<< not xml")}, "XMP"},
        // The first of two profile chunks, the second missing.
        DamageCase{
            "ProfileChunkMissing",
            {{0xE2,
              {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0, 1, 2, 0, 0, 0, 132}}},
            "colour profile"}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

// A PNG's metadata chunks, built by hand: iCCP (deflated), eXIf, iTXt.
Bytes iccpChunk(const Bytes& profile) {
  uLongf size = compressBound(profile.size());
  Bytes packed(size);
  compress(packed.data(), &size, profile.data(), profile.size());
  packed.resize(size);
  // Name "scan", its zero, deflate.
  Bytes data(6 + packed.size(), 0);
  std::copy(packed.begin(), packed.end(), data.begin() + 6);
  std::copy_n("scan", 4, data.begin());
  return data;
}

Bytes itxtChunk(const std::string& text) {
  // Keyword, its zero, no compression, method 0, no language, no translation.
  const std::string chunk = std::string("XML:com.adobe.xmp") + std::string(5, '\0') + text;
  return Bytes(chunk.begin(), chunk.end());
}

Bytes pngWith(const std::vector<test::PngChunk>& chunks) {
  return test::pngFile(2, 1, 8, 2, {{1, 2, 3, 4, 5, 6}}, chunks);
}

TEST(PngMetadataRead, ProfileExifAndXmpAreKept) {
  const Bytes profile = test::iccProfile("RGB ", 400, 4);
  const Bytes exif = test::exifBlock(8);
  const Read read = readFile("a.png", pngWith({{"iCCP", iccpChunk(profile)},
                                               {"eXIf", exif},
                                               {"iTXt", itxtChunk(test::xmpPacket(8))}}));
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.metadata.iccProfile, profile);
  EXPECT_EQ(read.metadata.exif, exif);
  EXPECT_EQ(read.metadata.xmp, test::xmpPacket(8));
  EXPECT_EQ(read.metadata.orientation, 8);
  EXPECT_TRUE(read.metadata.warnings.empty()) << read.metadata.warnings.front();
}

TEST(PngMetadataRead, DamagedChunksAreDroppedWithWarnings) {
  const Read read = readFile("a.png", pngWith({{"iCCP", iccpChunk(test::iccProfile("GRAY"))},
                                               {"eXIf", {'M', 'M', 0, 42, 0, 0, 0, 0x7F}}}));
  ASSERT_TRUE(read.ok);
  EXPECT_TRUE(read.metadata.iccProfile.empty());
  EXPECT_TRUE(read.metadata.exif.empty());
  EXPECT_TRUE(warnsAbout(read.metadata, "colour profile"));
  EXPECT_TRUE(warnsAbout(read.metadata, "EXIF"));
}

}  // namespace
}  // namespace trimlet

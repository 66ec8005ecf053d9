// Header-only size reads against the readers: the same size for every
// format and variant, every EXIF orientation (JPEG and PNG, the PNG's eXIf
// before or after the picture data), both corpora; damaged headers refused
// as the readers refuse them; damaged picture data left to the readers.
#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "imagefile/image_size.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/png_file.h"
#include "tests/imagefile/file_bytes_builder.h"
#include "tests/imagefile/metadata_files.h"
#include "tests/imagefile/png_bytes.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

// A chunk as it lies in a file: length, type, data, checksum.
Bytes chunkBytes(const std::string& type, const Bytes& data) {
  Bytes out = test::be32(static_cast<uint32_t>(data.size()));
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type.data()), 4);
  crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
  const Bytes sum = test::be32(static_cast<uint32_t>(crc));
  out.insert(out.end(), sum.begin(), sum.end());
  return out;
}

// A 5 x 3 RGB PNG; `before` chunks go before the picture data, `after`
// ones between it and IEND.
Bytes pngWith(const std::vector<test::PngChunk>& before, const std::vector<test::PngChunk>& after,
              uint32_t width = 5, uint32_t height = 3) {
  std::vector<std::vector<uint8_t>> rows(height, std::vector<uint8_t>(width * 3, 90));
  Bytes file = test::pngFile(width, height, 8, 2, rows, before);
  Bytes tail;
  for (const test::PngChunk& c : after) filebytes::append(&tail, chunkBytes(c.type, c.data));
  file.insert(file.end() - 12, tail.begin(), tail.end());  // IEND is the last 12 bytes
  return file;
}

Bytes jpegWithOrientation(int width, int height, int orientation, bool progressive = false) {
  std::vector<test::JpegMarker> markers;
  if (orientation) markers.push_back(test::exifMarker(test::exifBlock(orientation)));
  return test::jpegFile(test::patternImage(width, height, 3), 2, 2, markers, {}, progressive);
}

// ---- every format and variant: the size the reader gives ----

struct VariantCase {
  const char* name;
  const char* file;  // its ending picks the reader
  std::function<Bytes()> bytes;
};
void PrintTo(const VariantCase& c, std::ostream* os) { *os << c.name; }

Bytes written(const char* name, const std::function<Status(const std::string&)>& write) {
  test::TempDir dir;
  EXPECT_TRUE(write(dir.file(name)).ok());
  return test::readFileBytes(dir.file(name));
}

ImageBuffer rgbPicture() { return test::patternImage(37, 21, 3); }
ImageBuffer rgbaPicture() { return test::patternImage(19, 40, 4); }

std::vector<VariantCase> everyVariant() {
  using filebytes::BitmapFields;
  using filebytes::TargaFields;
  return {
      {"JpegWritten", "a.jpg",
       [] { return written("a.jpg", [&](auto& p) { return writeJpeg(p, rgbPicture(), 80); }); }},
      {"JpegGrey", "a.jpg", [] { return test::jpegFile(rgbPicture(), 0, 0, {}); }},
      {"Jpeg444", "a.jpg", [] { return test::jpegFile(rgbPicture(), 1, 1, {}); }},
      {"JpegProgressive", "a.jpg", [] { return jpegWithOrientation(41, 17, 0, true); }},
      {"PngRgb", "a.png",
       [] { return written("a.png", [&](auto& p) { return writePng(p, rgbPicture()); }); }},
      {"PngRgbaInterlaced", "a.png",
       [] { return written("a.png", [&](auto& p) { return writePng(p, rgbaPicture(), true); }); }},
      {"PngGrey16", "a.png",
       [] {
         return test::pngFile(3, 2, 16, 0, {Bytes(6, 7), Bytes(6, 9)});
       }},
      {"PngPalette1Bit", "a.png",
       [] {
         return test::pngFile(9, 2, 1, 3, {{0xAA, 0x80}, {0x55, 0x00}},
                              {{"PLTE", {0, 0, 0, 255, 255, 255}}});
       }},
      {"TargaRle", "a.tga",
       [] {
         return written("a.tga", [&](auto& p) {
           return writeImageFile(SourceFormat::kTarga, p, rgbPicture(), {75, true});
         });
       }},
      {"TargaRaw32", "a.tga",
       [] {
         return written("a.tga", [&](auto& p) {
           return writeImageFile(SourceFormat::kTarga, p, rgbaPicture(), {75, false});
         });
       }},
      {"TargaGreyTopFirst", "a.tga",
       [] {
         TargaFields f;
         f.type = 3;
         f.bits = 8;
         f.width = 3;
         f.height = 2;
         f.descriptor = 0x20;
         return filebytes::targaFile(f, {}, Bytes(6, 40));
       }},
      {"BitmapWritten", "a.bmp",
       [] {
         return written("a.bmp", [&](auto& p) {
           return writeImageFile(SourceFormat::kBitmap, p, rgbPicture(), {});
         });
       }},
      {"BitmapCoreHeader", "a.bmp",
       [] {
         BitmapFields f;
         f.headerSize = 12;
         f.width = 3;
         f.height = 2;
         f.pixels = Bytes(2 * 12, 200);
         return filebytes::bitmapFile(f);
       }},
      {"BitmapTopDownPalette", "a.bmp",
       [] {
         BitmapFields f;
         f.width = 5;
         f.height = -4;
         f.bits = 8;
         f.coloursUsed = 2;
         f.palette = {{0, 0, 0}, {255, 255, 255}};
         f.pixels = Bytes(4 * 8, 1);
         return filebytes::bitmapFile(f);
       }},
      {"BitmapRle8WithoutFileHeader", "a.bmp",
       [] {
         BitmapFields f;
         f.fileHeader = false;
         f.width = 4;
         f.height = 2;
         f.bits = 8;
         f.compression = 1;
         f.coloursUsed = 2;
         f.palette = {{0, 0, 0}, {255, 255, 255}};
         f.pixels = {4, 1, 0, 0, 4, 0, 0, 1};
         return filebytes::bitmapFile(f);
       }},
  };
}

class SizeOfEveryVariant : public ::testing::TestWithParam<VariantCase> {};

TEST_P(SizeOfEveryVariant, IsTheSizeTheReaderGives) {
  test::TempDir dir;
  const std::string path = dir.file(GetParam().file);
  test::writeFileBytes(path, GetParam().bytes());
  const SourceFormat format = sourceFormatOf(path);
  auto image = readImageFile(format, path);
  ASSERT_TRUE(image.ok()) << image.reason();
  auto size = readImageSize(format, path);
  ASSERT_TRUE(size.ok()) << size.reason();
  EXPECT_EQ(size->width, image->width());
  EXPECT_EQ(size->height, image->height());
  EXPECT_EQ(size->orientation, 1);
}

INSTANTIATE_TEST_SUITE_P(Formats, SizeOfEveryVariant, ::testing::ValuesIn(everyVariant()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- orientations ----

// 29 x 11 stored pixels: a JPEG (kind 0), a PNG with its eXIf before (1)
// or after (2) the picture data.
Bytes turnedFile(int orientation, int kind) {
  if (kind == 0) return jpegWithOrientation(29, 11, orientation);
  std::vector<test::PngChunk> exif{{"eXIf", test::exifBlock(orientation)}};
  if (kind == 1) return pngWith(exif, {}, 29, 11);
  return pngWith({}, exif, 29, 11);
}

class SizeOfTurnedPicture
    : public ::testing::TestWithParam<
          std::tuple<int, bool, int /* 0 JPEG, 1 PNG before, 2 PNG after */>> {};

TEST_P(SizeOfTurnedPicture, FollowsTheReadersTurn) {
  const auto [orientation, apply, kind] = GetParam();
  test::TempDir dir;
  const std::string path = dir.file(kind == 0 ? "a.jpg" : "a.png");
  test::writeFileBytes(path, turnedFile(orientation, kind));
  ReadOptions options;
  options.applyOrientation = apply;
  const SourceFormat format = sourceFormatOf(path);
  auto image = readImageFile(format, path, options);
  ASSERT_TRUE(image.ok()) << image.reason();
  auto size = readImageSize(format, path, options);
  ASSERT_TRUE(size.ok()) << size.reason();
  EXPECT_EQ(size->orientation, orientation);
  EXPECT_EQ(size->width, image->width());
  EXPECT_EQ(size->height, image->height());
  const bool sideways = apply && orientation >= 5;
  EXPECT_EQ(size->width, sideways ? 11 : 29);
}

std::string turnName(const ::testing::TestParamInfo<std::tuple<int, bool, int>>& info) {
  static const char* const kKinds[] = {"Jpeg", "PngExifFirst", "PngExifLast"};
  return std::string(kKinds[std::get<2>(info.param)]) + "_orientation" +
         std::to_string(std::get<0>(info.param)) +
         (std::get<1>(info.param) ? "_upright" : "_asStored");
}

INSTANTIATE_TEST_SUITE_P(Orientations, SizeOfTurnedPicture,
                         ::testing::Combine(::testing::Range(1, 9), ::testing::Bool(),
                                            ::testing::Values(0, 1, 2)),
                         turnName);

TEST(PngSizeOrientation, OnlyAnExifChunkLibpngWouldKeepCounts) {
  test::TempDir dir;
  const std::string path = dir.file("a.png");
  struct Case {
    const char* what;
    Bytes file;
    int orientation;
  };
  Bytes badSum = pngWith({}, {{"eXIf", test::exifBlock(6)}});
  badSum[badSum.size() - 13] ^= 0xFF;  // the eXIf checksum's last byte
  const Case cases[] = {
      {"wrong checksum", badSum, 1},
      {"no byte order", pngWith({{"eXIf", {'X', 'X', 0, 42}}}, {}), 1},
      {"a bad one, then a good one",
       pngWith({{"eXIf", {'M', 'I', 0, 42}}}, {{"eXIf", test::exifBlock(8)}}), 8},
      {"the first of two", pngWith({{"eXIf", test::exifBlock(5)}}, {{"eXIf", test::exifBlock(8)}}),
       5},
      {"no readable entry", pngWith({{"eXIf", {'M', 'M', 0, 42, 0, 0, 0, 0x7F}}}, {}), 1},
  };
  for (const Case& c : cases) {
    test::writeFileBytes(path, c.file);
    ImageMetadata metadata;
    ASSERT_TRUE(readImageFileWithMetadata(SourceFormat::kPng, path, &metadata).ok()) << c.what;
    auto size = readImageSize(SourceFormat::kPng, path);
    ASSERT_TRUE(size.ok()) << c.what << ": " << size.reason();
    EXPECT_EQ(size->orientation, metadata.orientation) << c.what;
    EXPECT_EQ(size->orientation, c.orientation) << c.what;
  }
}

// ---- the corpora: whatever the reader decodes has the same size here ----

void compareFolder(const std::string& folder, const char* ending) {
  int compared = 0;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
    if (entry.path().extension() != ending) continue;
    const std::string path = entry.path().string();
    const SourceFormat format = sourceFormatOf(path);
    auto image = readImageFile(format, path);
    auto size = readImageSize(format, path);
    if (!size) {
      EXPECT_FALSE(image.ok()) << path << ": the reader takes what the header read refused ("
                               << size.reason() << ")";
      EXPECT_FALSE(size.reason().empty()) << path;
      continue;
    }
    if (!image) continue;  // damaged beyond the header
    EXPECT_EQ(size->width, image->width()) << path;
    EXPECT_EQ(size->height, image->height()) << path;
    ++compared;
  }
  EXPECT_GT(compared, 20) << folder;
}

TEST(SizeOfCorpora, PngSuite) {
  TRIMLET_REQUIRE_CORPORA(corpora);
  compareFolder(corpora + "/pngsuite", ".png");
}

TEST(SizeOfCorpora, BmpSuite) {
  TRIMLET_REQUIRE_CORPORA(corpora);
  compareFolder(corpora + "/bmpsuite", ".bmp");
}

// ---- damaged headers: refused by both ----

struct DamageCase {
  const char* name;
  const char* file;
  std::function<Bytes()> bytes;
};
void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

Bytes cut(Bytes bytes, size_t keep) {
  bytes.resize(std::min(keep, bytes.size()));
  return bytes;
}

// A PNG whose IHDR fields are `patch`ed, with or without a fresh checksum.
Bytes pngPatched(const std::function<void(uint8_t* ihdrData)>& patch, bool fixSum = true) {
  Bytes file = pngWith({}, {});
  patch(file.data() + 16);
  if (fixSum) {
    const Bytes sum = test::be32(
        static_cast<uint32_t>(crc32(crc32(0L, file.data() + 12, 4), file.data() + 16, 13)));
    std::copy(sum.begin(), sum.end(), file.begin() + 29);
  }
  return file;
}

// A JPEG whose frame claims `width` x `height`.
Bytes jpegClaiming(uint16_t width, uint16_t height) {
  Bytes file = jpegWithOrientation(16, 16, 0);
  for (size_t i = 2; i + 9 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = height >> 8;
      file[i + 6] = height & 0xFF;
      file[i + 7] = width >> 8;
      file[i + 8] = width & 0xFF;
      break;
    }
  return file;
}

std::vector<DamageCase> everyDamage() {
  using filebytes::BitmapFields;
  using filebytes::TargaFields;
  const auto text = [] { return Bytes{'h', 'e', 'l', 'l', 'o'}; };
  return {
      {"JpegEmpty", "a.jpg", [] { return Bytes(); }},
      {"JpegText", "a.jpg", text},
      {"JpegCutBeforeItsFrame", "a.jpg", [] { return cut(jpegWithOrientation(16, 16, 0), 100); }},
      {"JpegFrameTooLarge", "a.jpg", [] { return jpegClaiming(65000, 65000); }},
      {"JpegFrameOfNoWidth", "a.jpg", [] { return jpegClaiming(0, 16); }},
      {"PngEmpty", "a.png", [] { return Bytes(); }},
      {"PngText", "a.png", text},
      {"PngCutInIhdr", "a.png", [] { return cut(pngWith({}, {}), 20); }},
      {"PngIhdrChecksumWrong", "a.png",
       [] { return pngPatched([](uint8_t* d) { d[3] = 6; }, false); }},
      {"PngZeroWidth", "a.png",
       [] { return pngPatched([](uint8_t* d) { std::fill(d, d + 4, 0); }); }},
      {"PngTooLarge", "a.png", [] { return pngPatched([](uint8_t* d) { d[0] = d[4] = 0x01; }); }},
      {"PngDepth3", "a.png", [] { return pngPatched([](uint8_t* d) { d[8] = 3; }); }},
      {"PngColourType5", "a.png", [] { return pngPatched([](uint8_t* d) { d[9] = 5; }); }},
      {"PngFilterMethod1", "a.png", [] { return pngPatched([](uint8_t* d) { d[11] = 1; }); }},
      {"PngFirstChunkNotIhdr", "a.png",
       [] {
         Bytes file = pngWith({}, {});
         file[12] = 'J';
         return file;
       }},
      {"TargaEmpty", "a.tga", [] { return Bytes(); }},
      {"TargaHalfAHeader", "a.tga", [] { return Bytes(9, 2); }},
      {"TargaType5", "a.tga",
       [] {
         TargaFields f;
         f.type = 5;
         return filebytes::targaFile(f, {}, {1, 2, 3});
       }},
      {"TargaNoWidth", "a.tga",
       [] {
         TargaFields f;
         f.width = 0;
         return filebytes::targaFile(f, {}, {1, 2, 3});
       }},
      {"TargaPixelsMissing", "a.tga",
       [] {
         TargaFields f;
         f.width = 300;
         f.height = 200;
         return filebytes::targaFile(f, {}, Bytes(100, 1));
       }},
      {"BitmapEmpty", "a.bmp", [] { return Bytes(); }},
      {"BitmapText", "a.bmp", text},
      {"BitmapUnknownHeaderSize", "a.bmp",
       [] {
         BitmapFields f;
         f.headerSize = 44;
         f.pixels = Bytes(4, 0);
         return filebytes::bitmapFile(f);
       }},
      {"BitmapRowsMissing", "a.bmp",
       [] {
         BitmapFields f;
         f.width = 300;
         f.height = 200;
         f.pixels = Bytes(900, 0);
         return filebytes::bitmapFile(f);
       }},
      {"BitmapPaletteBeyondTheEnd", "a.bmp",
       [] {
         BitmapFields f;
         f.bits = 8;
         f.coloursUsed = 100000;
         f.pixels = Bytes(4, 0);
         return filebytes::bitmapFile(f);
       }},
  };
}

class SizeOfDamagedHeader : public ::testing::TestWithParam<DamageCase> {};

TEST_P(SizeOfDamagedHeader, IsRefusedWithAReasonAsTheReaderRefusesIt) {
  test::TempDir dir;
  const std::string path = dir.file(GetParam().file);
  test::writeFileBytes(path, GetParam().bytes());
  const SourceFormat format = sourceFormatOf(path);
  auto size = readImageSize(format, path);
  EXPECT_FALSE(size.ok()) << size->width << " x " << size->height;
  EXPECT_FALSE(size.reason().empty());
  EXPECT_FALSE(readImageFile(format, path).ok());
}

INSTANTIATE_TEST_SUITE_P(Formats, SizeOfDamagedHeader, ::testing::ValuesIn(everyDamage()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SizeOfDamagedHeader, MissingFilesFoldersAndOtherNamesAreRefused) {
  test::TempDir dir;
  for (const char* name : {"none.jpg", "none.png", "none.tga", "none.bmp"}) {
    auto size = readImageSize(sourceFormatOf(name), dir.file(name));
    EXPECT_FALSE(size.ok()) << name;
    EXPECT_NE(size.reason().find("none"), std::string::npos) << size.reason();
  }
  for (const char* name : {"folder.jpg", "folder.png", "folder.tga", "folder.bmp"}) {
    fs::create_directory(dir.file(name));
    EXPECT_FALSE(readImageSize(sourceFormatOf(name), dir.file(name)).ok()) << name;
  }
  test::writeFileBytes(dir.file("a.txt"), {1, 2, 3});
  EXPECT_FALSE(readImageSize(SourceFormat::kNone, dir.file("a.txt")).ok());
}

// ---- damaged picture data: the header still has its size ----

TEST(SizeOfDamagedPicture, TheHeaderStandsWhereTheReaderFails) {
  test::TempDir dir;
  const Bytes jpeg = jpegWithOrientation(64, 48, 6);
  const Bytes png = pngWith({}, {{"eXIf", test::exifBlock(6)}}, 64, 48);
  struct Case {
    const char* file;
    Bytes bytes;
    int width, height;
  };
  const Case cases[] = {
      {"cut.jpg", cut(jpeg, jpeg.size() * 2 / 3), 48, 64},
      // Cut in the picture data: the eXIf after it is gone as well.
      {"cut.png", cut(png, 80), 64, 48},
  };
  for (const Case& c : cases) {
    test::writeFileBytes(dir.file(c.file), c.bytes);
    const SourceFormat format = sourceFormatOf(c.file);
    EXPECT_FALSE(readImageFile(format, dir.file(c.file)).ok()) << c.file;
    auto size = readImageSize(format, dir.file(c.file));
    ASSERT_TRUE(size.ok()) << c.file << ": " << size.reason();
    EXPECT_EQ(size->width, c.width) << c.file;
    EXPECT_EQ(size->height, c.height) << c.file;
  }
}

TEST(SizeOfDamagedPicture, ChunkLengthsBeyondTheFileEndTheWalk) {
  test::TempDir dir;
  const std::string path = dir.file("a.png");
  for (uint32_t length : {0x7FFFFFFFu, 0xFFFFFFFFu, 100000u}) {
    Bytes file = pngWith({}, {});
    // A chunk claiming `length` bytes in front of IEND, and an eXIf claiming as many.
    for (const char* type : {"tEXt", "eXIf"}) {
      Bytes chunk = test::be32(length);
      chunk.insert(chunk.end(), type, type + 4);
      chunk.insert(chunk.end(), {'I', 'I', 42, 0});
      Bytes damaged = file;
      damaged.insert(damaged.end() - 12, chunk.begin(), chunk.end());
      test::writeFileBytes(path, damaged);
      auto size = readImageSize(SourceFormat::kPng, path);
      ASSERT_TRUE(size.ok()) << type << " " << length << ": " << size.reason();
      EXPECT_EQ(size->width, 5);
      EXPECT_EQ(size->orientation, 1);
    }
  }
}

}  // namespace
}  // namespace trimlet

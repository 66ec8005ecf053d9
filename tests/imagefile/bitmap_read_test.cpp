// The bitmap reader on hand-built files: every header, depth, compression and
// row order, known answers on a 5 x 2 picture (so every depth has padding).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagefile/bitmap_file.h"
#include "tests/imagefile/file_bytes_builder.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using filebytes::append;
using filebytes::BitmapFields;
using filebytes::bitmapFile;
using filebytes::Bytes;
using filebytes::paddedRow;

Result<ImageBuffer> decode(const Bytes& bytes) { return decodeBitmap(bytes.data(), bytes.size()); }

using Rgb = std::vector<uint8_t>;
const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{200, 10, 20}, kBlue{5, 100, 250};
const std::vector<Rgb> kPalette{kBlack, kWhite, kRed, kBlue};

struct BitmapCase {
  std::string name;
  Bytes file;
  std::vector<Rgb> top, bottom;  // the expected picture, 5 pixels per row
};
void PrintTo(const BitmapCase& c, std::ostream* os) { *os << c.name; }

ImageBuffer picture(const std::vector<Rgb>& top, const std::vector<Rgb>& bottom) {
  std::vector<uint8_t> t, b;
  for (const Rgb& c : top) append(&t, c);
  for (const Rgb& c : bottom) append(&b, c);
  return test::imageFromTopRows(static_cast<int>(top.size()), 3, {t, b});
}

// Stores two rows, bottom first (or top first for a top-down bitmap).
Bytes storeRows(const Bytes& topRow, const Bytes& bottomRow, bool topDown) {
  Bytes out = paddedRow(topDown ? topRow : bottomRow);
  append(&out, paddedRow(topDown ? bottomRow : topRow));
  return out;
}

Bytes packIndices(const std::vector<int>& indices, int bits) {
  Bytes row((indices.size() * bits + 7) / 8, 0);
  for (size_t x = 0; x < indices.size(); ++x)
    row[x * bits / 8] |= static_cast<uint8_t>(indices[x] << (8 - bits - (x * bits) % 8));
  return row;
}

BitmapCase indexedCase(const std::string& name, int bits, uint32_t headerSize, bool fileHeader,
                       bool topDown) {
  // 1-bit pictures use black and white only.
  const std::vector<int> top =
      bits == 1 ? std::vector<int>{1, 0, 1, 0, 1} : std::vector<int>{1, 2, 3, 0, 1};
  const std::vector<int> bottom =
      bits == 1 ? std::vector<int>{0, 0, 1, 1, 0} : std::vector<int>{0, 0, 2, 2, 3};
  BitmapFields f;
  f.fileHeader = fileHeader;
  f.headerSize = headerSize;
  f.width = 5;
  f.height = topDown ? -2 : 2;
  f.bits = static_cast<uint16_t>(bits);
  // A core header's table always has 2^bits entries; an info header's has
  // the colours-used count.
  f.palette.assign(kPalette.begin(), kPalette.begin() + (bits == 1 ? 2 : 4));
  if (headerSize == 12)
    f.palette.resize(size_t(1) << bits, kBlack);
  else
    f.coloursUsed = static_cast<uint32_t>(f.palette.size());
  f.pixels = storeRows(packIndices(top, bits), packIndices(bottom, bits), topDown);
  BitmapCase c{name, bitmapFile(f), {}, {}};
  for (int i : top) c.top.push_back(kPalette[i]);
  for (int i : bottom) c.bottom.push_back(kPalette[i]);
  return c;
}

// Direct colour: pixel values of `bytes` bytes each, and the colours they mean.
BitmapCase directCase(const std::string& name, BitmapFields f, const std::vector<uint32_t>& top,
                      const std::vector<uint32_t>& bottom, std::vector<Rgb> topColours,
                      std::vector<Rgb> bottomColours) {
  const int bytes = f.bits / 8;
  auto encode = [bytes](const std::vector<uint32_t>& values) {
    Bytes row;
    for (uint32_t v : values)
      for (int k = 0; k < bytes; ++k) row.push_back(static_cast<uint8_t>(v >> (8 * k)));
    return row;
  };
  f.width = 5;
  const bool topDown = f.height < 0;
  if (f.height == 1) f.height = 2;
  f.pixels = storeRows(encode(top), encode(bottom), topDown);
  return {name, bitmapFile(f), std::move(topColours), std::move(bottomColours)};
}

BitmapFields fields(uint16_t bits, uint32_t headerSize = 40, uint32_t compression = 0,
                    std::vector<uint32_t> masks = {}) {
  BitmapFields f;
  f.bits = bits;
  f.headerSize = headerSize;
  f.compression = compression;
  f.masks = std::move(masks);
  return f;
}

uint32_t rgb24(const Rgb& c) { return (uint32_t(c[0]) << 16) | (uint32_t(c[1]) << 8) | c[2]; }

std::vector<BitmapCase> allCases() {
  std::vector<BitmapCase> cases;
  for (int bits : {1, 2, 4, 8}) {
    const std::string b = std::to_string(bits) + "bit";
    cases.push_back(indexedCase(b + "_info", bits, 40, true, false));
    cases.push_back(indexedCase(b + "_top_down", bits, 40, true, true));
    cases.push_back(indexedCase(b + "_headerless", bits, 40, false, false));
    if (bits != 2) cases.push_back(indexedCase(b + "_core", bits, 12, true, false));
  }
  cases.push_back(indexedCase("8bit_core_headerless", 8, 12, false, false));
  cases.push_back(indexedCase("8bit_v4_header", 8, 108, true, false));
  cases.push_back(indexedCase("8bit_v5_header", 8, 124, true, false));

  // 24 bits: blue, green, red.
  const std::vector<Rgb> top24{kRed, kBlue, kWhite, kBlack, kRed}, bottom24(5, kBlue);
  std::vector<uint32_t> t24, b24;
  for (const Rgb& c : top24) t24.push_back(rgb24(c));
  for (const Rgb& c : bottom24) b24.push_back(rgb24(c));
  cases.push_back(directCase("24bit", fields(24), t24, b24, top24, bottom24));
  cases.push_back(directCase("24bit_core", fields(24, 12), t24, b24, top24, bottom24));
  cases.push_back(directCase("24bit_v5_header", fields(24, 124), t24, b24, top24, bottom24));
  BitmapFields headerless = fields(24);
  headerless.fileHeader = false;
  cases.push_back(directCase("24bit_headerless", headerless, t24, b24, top24, bottom24));
  BitmapFields topDown = fields(24);
  topDown.height = -2;
  cases.push_back(directCase("24bit_top_down", topDown, t24, b24, top24, bottom24));
  BitmapFields withTable = fields(24);
  withTable.palette = kPalette;  // a colour table a direct bitmap does not use
  withTable.coloursUsed = 4;
  cases.push_back(directCase("24bit_unused_colour_table", withTable, t24, b24, top24, bottom24));

  // 32 bits: blue, green, red and an unused byte, or through masks.
  std::vector<uint32_t> t32 = t24, b32 = b24;
  for (uint32_t& v : t32) v |= 0xAA000000;
  cases.push_back(directCase("32bit", fields(32), t32, b32, top24, bottom24));
  cases.push_back(directCase("32bit_masks_in_header_52",
                             fields(32, 52, 3, {0xFF0000, 0xFF00, 0xFF}), t32, b32, top24,
                             bottom24));
  std::vector<uint32_t> tSwap, bSwap;  // masks naming red in the low byte
  for (const Rgb& c : top24) tSwap.push_back(c[0] | (c[1] << 8) | (c[2] << 16));
  for (const Rgb& c : bottom24) bSwap.push_back(c[0] | (c[1] << 8) | (c[2] << 16));
  cases.push_back(directCase("32bit_masks_after_header",
                             fields(32, 40, 3, {0xFF, 0xFF00, 0xFF0000}), tSwap, bSwap, top24,
                             bottom24));
  cases.push_back(directCase("32bit_alpha_masks",
                             fields(32, 40, 6, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}), tSwap, bSwap,
                             top24, bottom24));
  cases.push_back(directCase("32bit_10_10_10_header_56",
                             fields(32, 56, 3, {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000}),
                             {0x3FFFFFFF, 0x20000000, 0x00080000, 0x00000200, 0},
                             {0x00000001, 0xC0000000, 0, 0, 0},
                             {kWhite, {128, 0, 0}, {0, 128, 0}, {0, 0, 128}, kBlack},
                             {kBlack, kBlack, kBlack, kBlack, kBlack}));

  // 16 bits: 5-5-5 by default (top bit ignored), every field scaled to 0-255.
  cases.push_back(directCase("16bit_555", fields(16), {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x4104},
                             {0x8000, 0xFFFF, 0x0421, 0x2108, 0},
                             {kWhite, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {132, 66, 33}},
                             {kBlack, kWhite, {8, 8, 8}, {66, 66, 66}, kBlack}));
  cases.push_back(directCase("16bit_565", fields(16, 40, 3, {0xF800, 0x07E0, 0x001F}),
                             {0xFFFF, 0xF800, 0x07E0, 0x0020, 0x8410}, {0, 0, 0, 0, 0x001F},
                             {kWhite, {255, 0, 0}, {0, 255, 0}, {0, 4, 0}, {132, 130, 132}},
                             {kBlack, kBlack, kBlack, kBlack, {0, 0, 255}}));
  cases.push_back(directCase("16bit_444_header_108", fields(16, 108, 3, {0x0F00, 0x00F0, 0x000F}),
                             {0x0FFF, 0x0800, 0x0080, 0x0008, 0xF000}, {0, 0, 0, 0, 0},
                             {kWhite, {136, 0, 0}, {0, 136, 0}, {0, 0, 136}, kBlack},
                             std::vector<Rgb>(5, kBlack)));
  cases.push_back(directCase("16bit_one_bit_fields", fields(16, 40, 3, {0x4, 0x2, 0x1}),
                             {0x7, 0x4, 0x2, 0x1, 0xFFF8}, {0, 0, 0, 0, 0},
                             {kWhite, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, kBlack},
                             std::vector<Rgb>(5, kBlack)));
  return cases;
}

class BitmapDecodes : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapDecodes, ToTheExpectedPictureInThreeChannels) {
  const BitmapCase& c = GetParam();
  auto image = decode(c.file);
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(image->channels(), 3);
  EXPECT_TRUE(test::SameImage(picture(c.top, c.bottom), *image));
}

TEST_P(BitmapDecodes, EveryShorterFileIsRefusedOrReadsTheSame) {
  // Cutting the file anywhere refuses it with a reader's reason, except that
  // a headerless file may lose its last row's padding.
  const BitmapCase& c = GetParam();
  const ImageBuffer expected = picture(c.top, c.bottom);
  for (size_t n = 0; n < c.file.size(); ++n) {
    auto image = decodeBitmap(c.file.data(), n);
    if (image.ok()) {
      EXPECT_GE(n + 3, c.file.size()) << "accepted the first " << n << " bytes";
      EXPECT_TRUE(test::SameImage(expected, *image));
      continue;
    }
    EXPECT_TRUE(image.reason() == "Unknown DIB file format." ||
                image.reason() == "Image file conversion error.")
        << n << ": " << image.reason();
  }
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, BitmapDecodes, ::testing::ValuesIn(allCases()),
                         [](const auto& info) { return info.param.name; });

TEST(BitmapLayout, TopDownAndBottomUpGiveIdenticalBuffers) {
  auto up = decode(indexedCase("up", 8, 40, true, false).file);
  auto down = decode(indexedCase("down", 8, 40, true, true).file);
  ASSERT_TRUE(up.ok() && down.ok());
  EXPECT_TRUE(test::SameImage(*up, *down));
}

TEST(BitmapLayout, PixelDataStartsAtTheFileHeadersOffset) {
  BitmapFields f = fields(24);
  f.dataOffset = 54 + 10;  // a gap after the headers
  f.pixels = paddedRow({1, 2, 3});
  auto image = decode(bitmapFile(f));
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(test::pixelAt(*image, 0, 0), (std::vector<uint8_t>{3, 2, 1}));
}

TEST(BitmapLayout, ColourTableLongerThanTheDepthUsesItsFirstEntries) {
  BitmapFields f = fields(1);
  f.palette = {kRed, kBlue, kWhite, kWhite};
  f.coloursUsed = 4;
  f.pixels = paddedRow({0x80});
  auto image = decode(bitmapFile(f));
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(test::pixelAt(*image, 0, 0), kBlue);
}

TEST(BitmapReadFile, ReadsFromDiskAndNamesAMissingFile) {
  test::TempDir dir;
  const std::string path = dir.file("a.bmp");
  test::writeFileBytes(path, indexedCase("disk", 4, 40, true, false).file);
  auto image = readBitmap(path);
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(image->width(), 5);

  auto missing = readBitmap(dir.file("missing.bmp"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.reason(), "Failed to open DIB file " + dir.file("missing.bmp") + ".\n");
}

}  // namespace
}  // namespace trimlet

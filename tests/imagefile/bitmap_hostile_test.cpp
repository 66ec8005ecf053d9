// Bitmap headers that lie: each is refused with the reader's reason, and
// none makes the reader allocate the picture it claims.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagefile/bitmap_file.h"
#include "tests/imagefile/allocation_watch.h"
#include "tests/imagefile/file_bytes_builder.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using filebytes::BitmapFields;
using filebytes::bitmapFile;
using filebytes::Bytes;
using filebytes::paddedRow;

const char kUnknown[] = "Unknown DIB file format.";
const char kConversion[] = "Image file conversion error.";

struct Hostile {
  std::string name;
  Bytes file;
  std::string reason;
};
void PrintTo(const Hostile& c, std::ostream* os) { *os << c.name; }

// A valid 2 x 2, 24-bit bitmap, changed by `change`.
template <typename Change>
Bytes valid24(Change change) {
  BitmapFields f;
  f.width = 2;
  f.height = 2;
  f.bits = 24;
  f.pixels = paddedRow(Bytes(6, 7));
  const Bytes second = paddedRow(Bytes(6, 8));
  f.pixels.insert(f.pixels.end(), second.begin(), second.end());
  change(f);
  return bitmapFile(f);
}

std::vector<Hostile> hostileCases() {
  Bytes headerOnly = valid24([](BitmapFields&) {});
  headerOnly.resize(54);
  Bytes headerCut = valid24([](BitmapFields& f) { f.headerSize = 124; });
  headerCut.resize(14 + 100);
  return {
      {"empty", {}, kUnknown},
      {"only_BM", {'B', 'M'}, kUnknown},
      {"file_header_cut", {'B', 'M', 0, 0, 0}, kUnknown},
      {"header_size_64", valid24([](BitmapFields& f) { f.headerSize = 64; }), kUnknown},
      {"header_size_16", valid24([](BitmapFields& f) { f.headerSize = 16; }), kUnknown},
      {"header_size_huge", valid24([](BitmapFields& f) { f.headerSize = 0x7FFFFFF0; }), kUnknown},
      {"header_past_file", headerCut, kUnknown},
      {"planes_2", valid24([](BitmapFields& f) { f.planes = 2; }), kUnknown},
      {"bits_3", valid24([](BitmapFields& f) { f.bits = 3; }), kUnknown},
      {"bits_64", valid24([](BitmapFields& f) { f.bits = 64; }), kUnknown},
      {"core_16_bits", valid24([](BitmapFields& f) {
         f.headerSize = 12;
         f.bits = 16;
       }),
       kUnknown},
      {"jpeg_inside", valid24([](BitmapFields& f) { f.compression = 4; }), kUnknown},
      {"png_inside", valid24([](BitmapFields& f) { f.compression = 5; }), kUnknown},
      {"rle8_at_24_bits", valid24([](BitmapFields& f) { f.compression = 1; }), kUnknown},
      {"rle4_at_8_bits", valid24([](BitmapFields& f) {
         f.bits = 8;
         f.compression = 2;
         f.palette = {{0, 0, 0}};
       }),
       kUnknown},
      {"bit_fields_at_24_bits", valid24([](BitmapFields& f) {
         f.compression = 3;
         f.masks = {0xFF0000, 0xFF00, 0xFF};
       }),
       kUnknown},
      {"zero_mask", valid24([](BitmapFields& f) {
         f.bits = 32;
         f.compression = 3;
         f.masks = {0xFF00, 0xFF, 0};
       }),
       kUnknown},
      {"split_mask", valid24([](BitmapFields& f) {
         f.bits = 32;
         f.compression = 3;
         f.masks = {0xF00F, 0xF0, 0xF00};
       }),
       kUnknown},
      {"mask_beyond_16_bits", valid24([](BitmapFields& f) {
         f.bits = 16;
         f.compression = 3;
         f.masks = {0x1F0000, 0x3E0, 0x1F};
       }),
       kUnknown},
      {"masks_past_file",
       [] {
         Bytes b = valid24([](BitmapFields& f) {
           f.bits = 32;
           f.compression = 3;
           f.fileHeader = false;
           f.pixels.clear();
         });
         return b;
       }(),
       kUnknown},
      {"zero_width", valid24([](BitmapFields& f) { f.width = 0; }), kUnknown},
      {"negative_width", valid24([](BitmapFields& f) { f.width = -2; }), kUnknown},
      {"zero_height", valid24([](BitmapFields& f) { f.height = 0; }), kUnknown},
      {"resolution_nonsense", valid24([](BitmapFields& f) {
         f.xResolution = 30000000;
         f.yResolution = 3;
       }),
       kUnknown},
      {"colour_table_past_file", valid24([](BitmapFields& f) {
         f.bits = 8;
         f.coloursUsed = 0x12341234;
       }),
       kUnknown},
      {"pixels_missing", headerOnly, kConversion},
      {"pixel_offset_past_file", valid24([](BitmapFields& f) {
         f.dataOffset = 100000;
         f.pixels.clear();
       }),
       kConversion},
      {"file_size_field_past_file", valid24([](BitmapFields& f) { f.fileSize = 0x7DDDDDDD; }),
       kConversion},
      {"image_size_field_past_file", valid24([](BitmapFields& f) { f.imageSize = 0x7EEEEEEE; }),
       kConversion},
      {"index_beyond_table", valid24([](BitmapFields& f) {
         f.bits = 8;
         f.palette = {{0, 0, 0}, {1, 1, 1}};
         f.coloursUsed = 2;
         f.pixels = {0, 1, 0, 0, 1, 2, 0, 0};
       }),
       kConversion},
      {"claims_20000_square", valid24([](BitmapFields& f) {
         f.width = 20000;
         f.height = 20000;
       }),
       kConversion},
      {"claims_3000000_by_2000000", valid24([](BitmapFields& f) {
         f.width = 3000000;
         f.height = 2000000;
         f.fileSize = 0;
       }),
       kConversion},
      {"height_int_min", valid24([](BitmapFields& f) { f.height = INT32_MIN; }), kConversion},
      {"width_int_max_1_bit", valid24([](BitmapFields& f) {
         f.width = INT32_MAX;
         f.bits = 1;
         f.palette = {{0, 0, 0}, {1, 1, 1}};
       }),
       kConversion},
  };
}

class BitmapRefuses : public ::testing::TestWithParam<Hostile> {};

TEST_P(BitmapRefuses, WithTheReasonAndWithoutAllocatingThePicture) {
  const Hostile& c = GetParam();
  test::LargestAllocation watch;
  auto image = decodeBitmap(c.file.data(), c.file.size());
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.reason(), c.reason);
  EXPECT_LT(watch.bytes(), size_t(1) << 20);
}

INSTANTIATE_TEST_SUITE_P(Headers, BitmapRefuses, ::testing::ValuesIn(hostileCases()),
                         [](const auto& info) { return info.param.name; });

TEST(BitmapRefusesControl, TheValidFileTheCasesStartFromDecodes) {
  const Bytes file = valid24([](BitmapFields&) {});
  auto image = decodeBitmap(file.data(), file.size());
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(test::pixelAt(*image, 1, 1), (std::vector<uint8_t>{8, 8, 8}));
}

TEST(BitmapRefusesControl, TheWatchSeesThePictureOfAValidFile) {
  const Bytes file = valid24([](BitmapFields& f) {
    f.width = 400;
    f.height = 300;
    f.pixels.assign(400 * 3 * 300, 5);
  });
  test::LargestAllocation watch;
  ASSERT_TRUE(decodeBitmap(file.data(), file.size()).ok());
  EXPECT_GE(watch.bytes(), 400u * 300u * 3u);
}

}  // namespace
}  // namespace trimlet

// Run-length encoded bitmaps: runs, absolute runs, end of line, end of
// bitmap and delta on small pictures, pixels the encoding leaves unset, and
// encodings that break the bounds.
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

const std::vector<uint8_t> kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{200, 10, 20},
    kBlue{5, 100, 250};

// A width x height bitmap with the four-entry table black, white, red, blue.
Bytes rleFile(int bits, int width, int height, const Bytes& stream) {
  BitmapFields f;
  f.width = width;
  f.height = height;
  f.bits = static_cast<uint16_t>(bits);
  f.compression = bits == 8 ? 1 : 2;
  f.palette = {kBlack, kWhite, kRed, kBlue};
  f.coloursUsed = 4;
  f.pixels = stream;
  return bitmapFile(f);
}

struct RleCase {
  std::string name;
  int bits;
  Bytes stream;
  std::vector<std::vector<uint8_t>> topRows;  // 5 x 2 picture, top row first
};
void PrintTo(const RleCase& c, std::ostream* os) { *os << c.name; }

std::vector<uint8_t> row(std::initializer_list<std::vector<uint8_t>> pixels) {
  std::vector<uint8_t> out;
  for (const auto& p : pixels) out.insert(out.end(), p.begin(), p.end());
  return out;
}

class BitmapRle : public ::testing::TestWithParam<RleCase> {};

TEST_P(BitmapRle, DecodesToTheExpectedPicture) {
  const RleCase& c = GetParam();
  const Bytes file = rleFile(c.bits, 5, 2, c.stream);
  auto image = decodeBitmap(file.data(), file.size());
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_TRUE(test::SameImage(test::imageFromTopRows(5, 3, c.topRows), *image));
}

TEST_P(BitmapRle, CutShortIsRefused) {
  const RleCase& c = GetParam();
  const Bytes file = rleFile(c.bits, 5, 2, c.stream);
  for (size_t n = 0; n < file.size(); ++n) {
    auto image = decodeBitmap(file.data(), n);
    EXPECT_FALSE(image.ok()) << "accepted " << n << " of " << file.size() << " bytes";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, BitmapRle,
    ::testing::Values(
        // Bottom row: a run of two 0s, an absolute run 2 2 3 (padded); end of
        // line; top row: runs 1, 2, 3, 0, 1; end of bitmap.
        RleCase{
            "rle8_runs_and_absolute",
            8,
            {2, 0, 0, 3, 2, 2, 3, 0, 0, 0, 1, 1, 1, 2, 1, 3, 1, 0, 1, 1, 0, 1},
            {row({kWhite, kRed, kBlue, kBlack, kWhite}), row({kBlack, kBlack, kRed, kRed, kBlue})}},
        // A delta jumps from (1, 0) to (3, 1); the skipped pixels stay black.
        RleCase{"rle8_delta_leaves_black",
                8,
                {1, 1, 0, 2, 2, 1, 2, 3, 0, 1},
                {row({kBlack, kBlack, kBlack, kBlue, kBlue}),
                 row({kWhite, kBlack, kBlack, kBlack, kBlack})}},
        // End of bitmap right away: the whole picture is unset.
        RleCase{"rle8_immediate_end",
                8,
                {0, 1},
                {row({kBlack, kBlack, kBlack, kBlack, kBlack}),
                 row({kBlack, kBlack, kBlack, kBlack, kBlack})}},
        // End of line before the row is full, then the top row; end of line
        // after the last row before the end of bitmap is allowed.
        RleCase{"rle8_short_rows",
                8,
                {2, 3, 0, 0, 5, 2, 0, 0, 0, 1},
                {row({kRed, kRed, kRed, kRed, kRed}), row({kBlue, kBlue, kBlack, kBlack, kBlack})}},
        // 4 bits: a run alternates the two nibbles; an absolute run of five
        // nibbles takes three bytes, padded to four.
        RleCase{
            "rle4_runs_and_absolute",
            4,
            {5, 0x12, 0, 0, 0, 5, 0x30, 0x12, 0x30, 0, 0, 1},
            {row({kBlue, kBlack, kWhite, kRed, kBlue}), row({kWhite, kRed, kWhite, kRed, kWhite})}},
        // A 5-pixel row of 8-bit indices is stored in 8 bytes; encoders that
        // encode the padding too give 8 pixels per row, the last 3 dropped.
        RleCase{"rle8_padding_encoded",
                8,
                {5, 1, 3, 2, 0, 0, 8, 3, 0, 0, 0, 1},
                {row({kBlue, kBlue, kBlue, kBlue, kBlue}),
                 row({kWhite, kWhite, kWhite, kWhite, kWhite})}},
        RleCase{"rle4_padding_encoded",
                4,
                {8, 0x12, 0, 1},
                {row({kBlack, kBlack, kBlack, kBlack, kBlack}),
                 row({kWhite, kRed, kWhite, kRed, kWhite})}},
        RleCase{"rle4_delta",
                4,
                {0, 2, 4, 1, 1, 0x20, 0, 1},
                {row({kBlack, kBlack, kBlack, kBlack, kRed}),
                 row({kBlack, kBlack, kBlack, kBlack, kBlack})}}),
    [](const auto& info) { return info.param.name; });

struct BadStream {
  std::string name;
  int bits;
  Bytes stream;
};
void PrintTo(const BadStream& c, std::ostream* os) { *os << c.name; }

class BitmapRleRefuses : public ::testing::TestWithParam<BadStream> {};

TEST_P(BitmapRleRefuses, WithTheConversionError) {
  const BadStream& c = GetParam();
  const Bytes file = rleFile(c.bits, 5, 2, c.stream);
  auto image = decodeBitmap(file.data(), file.size());
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.reason(), "Image file conversion error.");
}

INSTANTIATE_TEST_SUITE_P(
    Streams, BitmapRleRefuses,
    ::testing::Values(BadStream{"run_past_padded_row", 8, {9, 1, 0, 1}},
                      BadStream{"runs_adding_up_past_row", 8, {5, 1, 4, 1, 0, 1}},
                      BadStream{"absolute_past_row", 8, {0, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1}},
                      BadStream{"absolute_past_file", 8, {0, 4, 1, 1}},
                      BadStream{"rle4_absolute_past_file", 4, {0, 5, 0x11, 0x11}},
                      BadStream{"run_above_last_row", 8, {0, 0, 0, 0, 1, 1, 0, 1}},
                      BadStream{"delta_past_right_edge", 8, {0, 2, 9, 0, 0, 1}},
                      BadStream{"delta_past_top", 8, {0, 2, 0, 3, 0, 1}},
                      BadStream{"delta_cut_short", 8, {0, 2, 1}},
                      BadStream{"no_end_of_bitmap", 8, {5, 1, 0, 0, 5, 1}},
                      BadStream{"odd_byte_at_end", 8, {5, 1, 0}},
                      BadStream{"index_beyond_table", 8, {1, 4, 0, 1}},
                      BadStream{"absolute_index_beyond_table", 8, {0, 3, 1, 9, 1, 0, 0, 1}},
                      BadStream{"rle4_index_beyond_table", 4, {2, 0x15, 0, 1}},
                      BadStream{"rle4_run_past_padded_row", 4, {9, 0x11, 0, 1}}),
    [](const auto& info) { return info.param.name; });

TEST(BitmapRleSize, HugePictureWithValidEncodingIsAllocatedOnlyWhenAllowed) {
  // 40000 x 40000 pixels exceed the buffer limit: refused before allocating,
  // after the encoding itself was found sound.
  test::LargestAllocation watch;
  const Bytes file = rleFile(8, 40000, 40000, {0, 1});
  auto image = decodeBitmap(file.data(), file.size());
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.reason(), "Out of memory.");
  EXPECT_LT(watch.bytes(), size_t(1) << 20);
}

TEST(BitmapRleSize, BadEncodingOfAHugePictureIsRefusedBeforeAllocating) {
  test::LargestAllocation watch;
  const Bytes file = rleFile(8, 20000, 20000, {10, 1, 0, 0, 10, 1});  // no end of bitmap
  auto image = decodeBitmap(file.data(), file.size());
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.reason(), "Image file conversion error.");
  EXPECT_LT(watch.bytes(), size_t(1) << 20);
}

TEST(BitmapRleLayout, TopDownRunLengthIsNotAFormat) {
  BitmapFields f;
  f.width = 2;
  f.height = -2;
  f.bits = 8;
  f.compression = 1;
  f.palette = {kBlack};
  f.pixels = {0, 1};
  const Bytes file = bitmapFile(f);
  auto image = decodeBitmap(file.data(), file.size());
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.reason(), "Unknown DIB file format.");
}

}  // namespace
}  // namespace trimlet

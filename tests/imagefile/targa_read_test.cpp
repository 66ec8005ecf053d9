// The Targa reader on hand-built files: every type and depth, both row
// orders, colour maps, and hostile headers and packets.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "imagefile/targa_file.h"
#include "tests/imagefile/allocation_watch.h"
#include "tests/imagefile/file_bytes_builder.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using filebytes::append;
using filebytes::Bytes;
using filebytes::TargaFields;
using filebytes::targaFile;

Result<ImageBuffer> decode(const Bytes& bytes) { return decodeTarga(bytes.data(), bytes.size()); }

// Header fields of a true-colour or grey image, and of a colour-mapped one.
TargaFields tga(int type, int bits, int width = 1, int height = 1, int descriptor = 0) {
  TargaFields f;
  f.type = type;
  f.bits = bits;
  f.width = width;
  f.height = height;
  f.descriptor = descriptor;
  return f;
}
TargaFields withMap(TargaFields f, int first, int length, int entryBits, int mapType = 1) {
  f.mapType = mapType;
  f.mapFirst = first;
  f.mapLength = length;
  f.mapBits = entryBits;
  return f;
}

// A 3 x 2 picture, given as six file pixels in reading order (top row first,
// left to right) together with the image pixels they must decode to.
struct TargaCase {
  std::string name;
  TargaFields fields;  // type, bits and colour-map fields; size is set below
  Bytes map;
  std::vector<Bytes> filePixels;
  std::vector<Bytes> expected;
};
void PrintTo(const TargaCase& c, std::ostream* os) { *os << c.name; }

// Rows in file order: bottom row first, or top row first with bit 5. Run-length
// types get one raw packet per row, except that a row of equal pixels becomes
// a run packet.
Bytes encodeRows(const TargaCase& c, bool topFirst) {
  const bool rle = c.fields.type >= 9;
  Bytes out;
  for (int i = 0; i < 2; ++i) {
    const int pictureRow = topFirst ? i : 1 - i;
    const Bytes* row[3];
    for (int x = 0; x < 3; ++x) row[x] = &c.filePixels[pictureRow * 3 + x];
    if (rle && *row[0] == *row[1] && *row[1] == *row[2]) {
      out.push_back(128 + 2);
      append(&out, *row[0]);
      continue;
    }
    if (rle) out.push_back(2);
    for (int x = 0; x < 3; ++x) append(&out, *row[x]);
  }
  return out;
}

Bytes caseFile(const TargaCase& c, int descriptorBits) {
  TargaFields f = c.fields;
  f.width = 3;
  f.height = 2;
  f.descriptor |= descriptorBits;
  return targaFile(f, c.map, encodeRows(c, (descriptorBits & 0x20) != 0));
}

ImageBuffer expectedImage(const TargaCase& c) {
  const int channels = static_cast<int>(c.expected[0].size());
  std::vector<std::vector<uint8_t>> top(2);
  for (int i = 0; i < 6; ++i) append(&top[i / 3], c.expected[i]);
  return test::imageFromTopRows(3, channels, top);
}

class TargaDecodes : public ::testing::TestWithParam<TargaCase> {};

TEST_P(TargaDecodes, BottomLeftAndTopLeftOriginsGiveTheSamePicture) {
  const TargaCase& c = GetParam();
  const ImageBuffer expected = expectedImage(c);
  for (int bits : {0x00, 0x20, 0x10, 0x30}) {  // bit 4 (right to left) is not honoured
    SCOPED_TRACE("descriptor bits " + std::to_string(bits));
    auto image = decode(caseFile(c, bits));
    ASSERT_TRUE(image.ok()) << image.reason();
    EXPECT_TRUE(test::SameImage(expected, *image));
  }
}

TEST_P(TargaDecodes, ExtraBytesAfterThePixelsAreIgnored) {
  const TargaCase& c = GetParam();
  Bytes file = caseFile(c, 0);
  file.insert(file.end(), 26, 0xEE);  // a footer or extension area
  auto image = decode(file);
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_TRUE(test::SameImage(expectedImage(c), *image));
}

TEST_P(TargaDecodes, EveryShorterFileIsRefusedWithAReason) {
  const Bytes file = caseFile(GetParam(), 0);
  for (size_t n = 0; n < file.size(); ++n) {
    auto image = decodeTarga(file.data(), n);
    EXPECT_FALSE(image.ok()) << "accepted the first " << n << " of " << file.size() << " bytes";
    EXPECT_FALSE(image.reason().empty());
  }
}

// Colours used across the cases.
const Bytes kRed{200, 10, 20}, kGreen{30, 220, 40}, kBlue{5, 100, 250}, kWhite{255, 255, 255},
    kGrey{128, 128, 128}, kBlack{0, 0, 0};
Bytes bgr(const Bytes& rgb) { return {rgb[2], rgb[1], rgb[0]}; }
Bytes word(int w) { return {static_cast<uint8_t>(w & 0xFF), static_cast<uint8_t>(w >> 8)}; }

TargaCase trueColour24(int type) {
  return {"type" + std::to_string(type) + "_24bit",
          tga(type, 24),
          {},
          {bgr(kRed), bgr(kGreen), bgr(kBlue), bgr(kWhite), bgr(kWhite), bgr(kWhite)},
          {kRed, kGreen, kBlue, kWhite, kWhite, kWhite}};
}

TargaCase trueColour32(int type) {
  return {"type" + std::to_string(type) + "_32bit_keeps_alpha",
          tga(type, 32, 1, 1, 8),
          {},
          {{20, 10, 200, 0},
           {40, 220, 30, 128},
           {250, 100, 5, 255},
           {1, 2, 3, 4},
           {1, 2, 3, 4},
           {1, 2, 3, 4}},
          {{200, 10, 20, 0},
           {30, 220, 40, 128},
           {5, 100, 250, 255},
           {3, 2, 1, 4},
           {3, 2, 1, 4},
           {3, 2, 1, 4}}};
}

// 15 and 16 bits: each 5-bit field times 8; the attribute bit is dropped.
TargaCase trueColour16(int type, int bits) {
  return {"type" + std::to_string(type) + "_" + std::to_string(bits) + "bit",
          tga(type, bits, 1, 1, bits == 16 ? 1 : 0),
          {},
          {word(0x7C00), word(0x03E0), word(0x001F), word(0xFFFF), word(0x8000), word(0x1234)},
          {{248, 0, 0}, {0, 248, 0}, {0, 0, 248}, {248, 248, 248}, {0, 0, 0}, {32, 136, 160}}};
}

TargaCase grey(int type) {
  return {"type" + std::to_string(type) + "_grey",
          tga(type, 8),
          {},
          {{0}, {128}, {255}, {7}, {7}, {7}},
          {kBlack, kGrey, kWhite, {7, 7, 7}, {7, 7, 7}, {7, 7, 7}}};
}

// A colour map of three entries starting at `first`, with entries of
// `entryBits` bits; indices first, first + 1, first + 2.
TargaCase mapped(int type, int entryBits, int first) {
  Bytes map;
  std::vector<Bytes> colours;
  if (entryBits == 24) {
    for (const Bytes& c : {kRed, kGreen, kBlue}) append(&map, bgr(c));
    colours = {kRed, kGreen, kBlue};
  } else if (entryBits == 32) {
    for (const Bytes& c : {kRed, kGreen, kBlue}) {
      append(&map, bgr(c));
      map.push_back(77);  // the entry's alpha is not part of a 3-channel image
    }
    colours = {kRed, kGreen, kBlue};
  } else {
    for (int w : {0x7C00, 0x83E0, 0x0421}) append(&map, word(w));
    colours = {{248, 0, 0}, {0, 248, 0}, {8, 8, 8}};
  }
  const uint8_t a = static_cast<uint8_t>(first), b = static_cast<uint8_t>(first + 1),
                c = static_cast<uint8_t>(first + 2);
  return {"type" + std::to_string(type) + "_map" + std::to_string(entryBits) + "_first" +
              std::to_string(first),
          withMap(tga(type, 8), first, 3, entryBits),
          map,
          {{a}, {b}, {c}, {c}, {c}, {c}},
          {colours[0], colours[1], colours[2], colours[2], colours[2], colours[2]}};
}

std::vector<TargaCase> allCases() {
  std::vector<TargaCase> cases;
  for (int type : {2, 10}) {
    cases.push_back(trueColour24(type));
    cases.push_back(trueColour32(type));
    cases.push_back(trueColour16(type, 15));
    cases.push_back(trueColour16(type, 16));
  }
  for (int type : {3, 11}) cases.push_back(grey(type));
  for (int type : {1, 9})
    for (int bits : {15, 16, 24, 32}) cases.push_back(mapped(type, bits, 0));
  cases.push_back(mapped(1, 24, 253));  // the map ends exactly at index 255
  cases.push_back(mapped(9, 16, 40));
  return cases;
}

INSTANTIATE_TEST_SUITE_P(AllTypes, TargaDecodes, ::testing::ValuesIn(allCases()),
                         [](const auto& info) { return info.param.name; });

TEST(TargaChannels, ThirtyTwoBitsGiveFourChannelsEverythingElseThree) {
  for (const TargaCase& c : allCases()) {
    auto image = decode(caseFile(c, 0));
    ASSERT_TRUE(image.ok()) << c.name << ": " << image.reason();
    EXPECT_EQ(image->channels(), c.fields.bits == 32 ? 4 : 3) << c.name;
  }
}

TEST(TargaLayout, IdentificationFieldAndUnusedColourMapAreSkipped) {
  // A true-colour image may carry a colour map; its pixels follow it.
  TargaFields f = withMap(tga(2, 24), 0, 2, 24);
  f.idLength = 5;
  auto image = decode(targaFile(f, Bytes(6, 0x55), {1, 2, 3}));
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(test::pixelAt(*image, 0, 0), (std::vector<uint8_t>{3, 2, 1}));
}

// ---- hostile input ----

struct HostileCase {
  std::string name;
  Bytes file;
  std::string reasonPart;  // a piece of the expected reason
};
void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class TargaRefuses : public ::testing::TestWithParam<HostileCase> {};

TEST_P(TargaRefuses, WithAReasonAndWithoutAllocatingThePicture) {
  const HostileCase& c = GetParam();
  test::LargestAllocation watch;
  auto image = decode(c.file);
  ASSERT_FALSE(image.ok());
  EXPECT_NE(image.reason().find(c.reasonPart), std::string::npos) << image.reason();
  EXPECT_LT(watch.bytes(), size_t(1) << 20);
}

std::vector<HostileCase> hostileCases() {
  const TargaFields rgb2x2 = tga(10, 24, 2, 2);
  const TargaFields mapped = withMap(tga(1, 8, 2, 1), 10, 2, 24);
  const TargaFields mappedRle = withMap(tga(9, 8, 2, 1), 10, 2, 24);
  const Bytes map(6, 9);
  const TargaFields beyond = withMap(tga(1, 8, 2, 1), 250, 7, 24);
  const TargaFields huge = tga(2, 32, 65535, 65535);
  const TargaFields hugeRle = tga(10, 24, 20000, 20000);
  const TargaFields wide = tga(2, 24, 0, 5);
  const TargaFields tall = tga(2, 24, 5, 0);
  const std::string truncated = "truncated";
  const std::string pastRow = "past the end of a row";
  const std::string notHeld = "does not hold";
  return {
      {"empty", {}, truncated},
      {"header_only_17_bytes", Bytes(17, 0), truncated},
      {"type_0", targaFile(tga(0, 24), {}, {1, 2, 3}), "type 0"},
      {"type_32", targaFile(tga(32, 24), {}, {1, 2, 3}), "type 32"},
      {"colour_map_type_2", targaFile(withMap(tga(2, 24), 0, 0, 0, 2), {}, {1, 2, 3}),
       "colour-map type"},
      {"true_colour_8_bits", targaFile(tga(2, 8), {}, {1}), "8-bit"},
      {"grey_16_bits", targaFile(tga(3, 16), {}, {1, 2}), "16-bit"},
      {"mapped_without_map", targaFile(tga(1, 8), {}, {0}), "no colour map"},
      {"map_entry_8_bits", targaFile(withMap(tga(1, 8), 0, 1, 8), {1}, {0}), "8-bit entries"},
      {"map_beyond_255", targaFile(beyond, Bytes(21, 1), {250, 251}), "beyond index 255"},
      {"index_below_map", targaFile(mapped, map, {10, 9}), notHeld},
      {"index_above_map", targaFile(mapped, map, {12, 11}), notHeld},
      {"rle_index_above_map", targaFile(mappedRle, map, {0x81, 200}), notHeld},
      {"map_past_end", targaFile(mapped, Bytes(5, 0), {}), truncated},
      {"zero_width", targaFile(wide, {}, {}), "no pixels"},
      {"zero_height", targaFile(tall, {}, {}), "no pixels"},
      {"run_past_row", targaFile(rgb2x2, {}, {0x82, 1, 2, 3, 0x80, 1, 2, 3}), pastRow},
      {"raw_past_row", targaFile(rgb2x2, {}, {0x02, 1, 2, 3, 1, 2, 3, 1, 2, 3, 0, 0, 0, 0, 0, 0}),
       pastRow},
      {"run_without_its_pixel", targaFile(rgb2x2, {}, {0x81, 1, 2, 3, 0x81, 1}), truncated},
      {"raw_packet_past_file", targaFile(rgb2x2, {}, {0x81, 1, 2, 3, 0x01, 1, 2, 3, 4}), truncated},
      {"rows_missing", targaFile(rgb2x2, {}, {0x81, 1, 2, 3}), truncated},
      {"huge_uncompressed", targaFile(huge, {}, Bytes(1000, 0)), truncated},
      {"huge_run_length", targaFile(hugeRle, {}, Bytes(1000, 0xFF)), truncated},
  };
}

INSTANTIATE_TEST_SUITE_P(Hostile, TargaRefuses, ::testing::ValuesIn(hostileCases()),
                         [](const auto& info) { return info.param.name; });

TEST(TargaRefusesControl, TheWatchSeesThePictureOfAValidFile) {
  // Guards the allocation checks above: a real 300 x 300 picture is seen.
  const Bytes file = targaFile(tga(2, 24, 300, 300), {}, Bytes(300 * 300 * 3, 9));
  test::LargestAllocation watch;
  ASSERT_TRUE(decode(file).ok());
  EXPECT_GE(watch.bytes(), 300u * 300u * 3u);
}

TEST(TargaReadFile, MissingFileIsRefusedNamingThePath) {
  auto image = readTarga("/nonexistent/folder/picture.tga");
  ASSERT_FALSE(image.ok());
  EXPECT_NE(image.reason().find("/nonexistent/folder/picture.tga"), std::string::npos);
}

TEST(TargaReadFile, ReadsTheFileFromDisk) {
  test::TempDir dir;
  const std::string path = dir.file("one.tga");
  test::writeFileBytes(path, targaFile(tga(2, 24), {}, {1, 2, 3}));
  auto image = readTarga(path);
  ASSERT_TRUE(image.ok()) << image.reason();
  EXPECT_EQ(test::pixelAt(*image, 0, 0), (std::vector<uint8_t>{3, 2, 1}));
}

}  // namespace
}  // namespace trimlet

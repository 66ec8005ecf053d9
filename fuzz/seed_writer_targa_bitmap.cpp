// Writes the Targa and bitmap seed files that ImageMagick cannot make: our
// own writers' output, and hand-built variants (15/16-bit Targa, colour maps
// of every entry size, top-left origin; bitmap core and headerless files,
// 2-bit palettes, 4-bit run-length with deltas, bit fields, the larger info
// headers). Built and run by make_seeds_targa_bitmap.sh.
//   seed_writer_targa_bitmap <targa folder> <bitmap folder>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/image/image_buffer.h"
#include "imagefile/bitmap_file.h"
#include "imagefile/targa_file.h"
#include "tests/imagefile/file_bytes_builder.h"

namespace {

using namespace trimlet;
using namespace trimlet::filebytes;

bool save(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// A small picture with runs and changes in every row.
ImageBuffer picture(int width, int height, int channels) {
  ImageBuffer image = ImageBuffer::create(width, height, channels).take();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = image.at(x, y);
      const bool run = x < width / 2;
      p[0] = static_cast<uint8_t>(run ? 200 : x * 40);
      p[1] = static_cast<uint8_t>(run ? 30 : y * 50);
      p[2] = static_cast<uint8_t>(run ? 90 : (x + y) * 20);
      if (channels == 4) p[3] = static_cast<uint8_t>(run ? 255 : x * 30);
    }
  return image;
}

bool targaSeeds(const std::string& dir) {
  bool ok = true;
  for (int channels : {3, 4})
    for (bool rle : {false, true}) {
      const std::string name =
          dir + "/ours_" + std::to_string(channels * 8) + (rle ? "_rle" : "_raw") + ".tga";
      ok &= writeTarga(name, picture(7, 3, channels), rle).ok();
    }
  // 15 and 16 bits, raw and run-length, top-left origin for the 16-bit ones.
  const Bytes words{0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0xFF, 0xFF, 0x34, 0x12, 0x00, 0x80};
  for (int bits : {15, 16}) {
    TargaFields f;
    f.type = 2;
    f.bits = bits;
    f.width = 3;
    f.height = 2;
    f.descriptor = bits == 16 ? 0x21 : 0;
    ok &= save(dir + "/hand_" + std::to_string(bits) + "bit.tga", targaFile(f, {}, words));
    f.type = 10;
    Bytes packets{0x82, 0x1F, 0x00, 0x02};
    packets.insert(packets.end(), words.begin(), words.begin() + 6);
    ok &= save(dir + "/hand_" + std::to_string(bits) + "bit_rle.tga", targaFile(f, {}, packets));
  }
  // Colour maps of each entry size, starting at index 250, with an id field.
  for (int entry : {15, 16, 24, 32}) {
    TargaFields f;
    f.idLength = 3;
    f.mapType = 1;
    f.type = entry == 24 ? 9 : 1;
    f.mapFirst = 250;
    f.mapLength = 4;
    f.mapBits = entry;
    f.width = 4;
    f.height = 2;
    f.bits = 8;
    f.descriptor = 0x20;
    const Bytes map(4 * ((entry + 7) / 8), 0x5A);
    const Bytes pixels = f.type == 9 ? Bytes{0x83, 250, 0x03, 251, 252, 253, 250}
                                     : Bytes{250, 251, 252, 253, 253, 252, 251, 250};
    ok &= save(dir + "/hand_map" + std::to_string(entry) + ".tga", targaFile(f, map, pixels));
  }
  return ok;
}

BitmapFields bitmap(int bits, int width, int height) {
  BitmapFields f;
  f.bits = static_cast<uint16_t>(bits);
  f.width = width;
  f.height = height;
  return f;
}

bool bitmapSeeds(const std::string& dir) {
  bool ok = true;
  for (int width : {1, 2, 3, 5})
    ok &=
        writeBitmap(dir + "/ours_24_w" + std::to_string(width) + ".bmp", picture(width, 2, 3)).ok();
  const std::vector<std::vector<uint8_t>> four{
      {0, 0, 0}, {255, 255, 255}, {200, 10, 20}, {5, 100, 250}};

  // 2-bit palette, headerless 8-bit, top-down 4-bit, core 1-bit.
  BitmapFields two = bitmap(2, 5, 2);
  two.palette = four;
  two.coloursUsed = 4;
  two.pixels = {0x1B, 0x40, 0, 0, 0xE4, 0x00, 0, 0};
  ok &= save(dir + "/hand_2bit.bmp", bitmapFile(two));
  BitmapFields headerless = bitmap(8, 3, 2);
  headerless.fileHeader = false;
  headerless.palette = four;
  headerless.coloursUsed = 4;
  headerless.pixels = {0, 1, 2, 0, 3, 2, 1, 0};
  ok &= save(dir + "/hand_8bit_headerless.bmp", bitmapFile(headerless));
  BitmapFields topDown = bitmap(4, 3, -2);
  topDown.palette = four;
  topDown.coloursUsed = 4;
  topDown.pixels = {0x01, 0x20, 0, 0, 0x32, 0x10, 0, 0};
  ok &= save(dir + "/hand_4bit_top_down.bmp", bitmapFile(topDown));
  BitmapFields core = bitmap(1, 9, 2);
  core.headerSize = 12;
  core.palette = {four[2], four[3]};
  core.pixels = {0xA5, 0x80, 0, 0, 0x5A, 0x00, 0, 0};
  ok &= save(dir + "/hand_1bit_core.bmp", bitmapFile(core));

  // Run-length: 8-bit with end of line, delta and absolute runs; 4-bit.
  BitmapFields rle8 = bitmap(8, 6, 3);
  rle8.compression = 1;
  rle8.palette = four;
  rle8.coloursUsed = 4;
  rle8.pixels = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1};
  ok &= save(dir + "/hand_rle8.bmp", bitmapFile(rle8));
  BitmapFields rle4 = bitmap(4, 7, 2);
  rle4.compression = 2;
  rle4.palette = four;
  rle4.coloursUsed = 4;
  rle4.pixels = {4, 0x12, 0, 3, 0x30, 0x10, 0, 0, 0, 2, 1, 0, 2, 0x33, 0, 1};
  ok &= save(dir + "/hand_rle4.bmp", bitmapFile(rle4));

  // 16 bits: default 5-5-5, 5-6-5 masks after the header, 4-4-4-4 in a v4 header.
  BitmapFields rgb16 = bitmap(16, 3, 2);
  rgb16.pixels = {0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03, 0, 0,
                  0x1F, 0x00, 0x34, 0x12, 0x00, 0x80, 0, 0};
  ok &= save(dir + "/hand_16bit_555.bmp", bitmapFile(rgb16));
  BitmapFields rgb565 = rgb16;
  rgb565.compression = 3;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  ok &= save(dir + "/hand_16bit_565.bmp", bitmapFile(rgb565));
  BitmapFields rgb4444 = rgb16;
  rgb4444.headerSize = 108;
  rgb4444.compression = 3;
  rgb4444.masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
  ok &= save(dir + "/hand_16bit_4444_v4.bmp", bitmapFile(rgb4444));

  // 32 bits: plain, 10-10-10 masks in a 56-byte header, alpha bit fields,
  // red-low masks in a 52-byte header.
  BitmapFields rgb32 = bitmap(32, 2, 2);
  rgb32.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  ok &= save(dir + "/hand_32bit.bmp", bitmapFile(rgb32));
  BitmapFields ten = rgb32;
  ten.headerSize = 56;
  ten.compression = 3;
  ten.masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000};
  ok &= save(dir + "/hand_32bit_101010_h56.bmp", bitmapFile(ten));
  BitmapFields alpha = rgb32;
  alpha.compression = 6;
  alpha.masks = {0xFF, 0xFF00, 0xFF0000, 0xFF000000};
  ok &= save(dir + "/hand_32bit_alpha_fields.bmp", bitmapFile(alpha));
  BitmapFields h52 = rgb32;
  h52.headerSize = 52;
  h52.compression = 3;
  h52.masks = {0xFF, 0xFF00, 0xFF0000};
  ok &= save(dir + "/hand_32bit_h52.bmp", bitmapFile(h52));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <targa folder> <bitmap folder>\n", argv[0]);
    return 2;
  }
  const bool ok = targaSeeds(argv[1]) && bitmapSeeds(argv[2]);
  if (!ok) std::fprintf(stderr, "a seed could not be written\n");
  return ok ? 0 : 1;
}

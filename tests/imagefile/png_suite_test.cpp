// The PngSuite conformance files: every good file decodes, every corrupt
// one ("x" files) is refused, and the pixels agree with ImageMagick's
// decoding of the same file once our transformations are applied to it.
//
// ImageMagick leaves gAMA and bKGD to the viewer; we apply both. So the
// expected pixels are its 16-bit RGBA decoding put through what libpng does
// for us: the gamma correction for a 2.2 screen (skipped, as libpng skips
// it, when file gamma × 2.2 is within 5% of 1) and, with a bKGD chunk, the
// blend onto that colour in the file's linear light (through 8-bit linear
// values for files of up to 8 bits, as libpng does). The result agrees to
// within the rounding of libpng's tables: see tolerance() below.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "imagefile/png_file.h"
#include "tests/imagefile/png_bytes.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::PngChunk;

std::vector<std::string> suiteFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".png") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool isCorrupt(const std::string& name) { return name[0] == 'x'; }

uint32_t be32At(const std::vector<uint8_t>& d, size_t at) {
  return (uint32_t(d[at]) << 24) | (uint32_t(d[at + 1]) << 16) | (uint32_t(d[at + 2]) << 8) |
         d[at + 3];
}

// What a file declares, as far as our transformations care.
struct Declared {
  uint32_t width = 0, height = 0;
  int depth = 0, colourType = 0;
  double gamma = 0;           // 0: no gAMA chunk
  bool transparency = false;  // tRNS
  bool hasBackground = false;
  double background[3] = {0, 0, 0};  // bKGD as 0..1 values
};

Declared declared(const std::vector<uint8_t>& file) {
  Declared d;
  std::vector<uint8_t> palette;
  for (const PngChunk& c : test::pngChunks(file)) {
    if (c.type == "IHDR" && c.data.size() == 13) {
      d.width = be32At(c.data, 0);
      d.height = be32At(c.data, 4);
      d.depth = c.data[8];
      d.colourType = c.data[9];
    } else if (c.type == "gAMA" && c.data.size() == 4) {
      d.gamma = be32At(c.data, 0) / 100000.0;
    } else if (c.type == "PLTE") {
      palette = c.data;
    } else if (c.type == "tRNS") {
      d.transparency = true;
    } else if (c.type == "bKGD") {
      d.hasBackground = true;
      const double top = d.colourType == 3 ? 255.0 : double((1 << d.depth) - 1);
      if (d.colourType == 3 && c.data.size() == 1 && size_t(c.data[0]) * 3 + 2 < palette.size()) {
        for (int k = 0; k < 3; ++k) d.background[k] = palette[c.data[0] * 3 + k] / 255.0;
      } else if ((d.colourType == 0 || d.colourType == 4) && c.data.size() == 2) {
        for (double& v : d.background) v = ((c.data[0] << 8) | c.data[1]) / top;
      } else if (c.data.size() == 6) {
        for (int k = 0; k < 3; ++k)
          d.background[k] = ((c.data[2 * k] << 8) | c.data[2 * k + 1]) / top;
      }
    }
  }
  return d;
}

// ImageMagick's decoding at 16 bits per sample, RGBA, top row first, as
// values 0..1; empty on failure. It would turn a file of gamma 1.0 into
// sRGB on the way out; declaring the picture sRGB keeps the stored values.
std::vector<double> magickRgba16(const std::string& path, size_t pixels) {
  test::TempDir dir;
  const std::string raw = dir.file("pixels.raw");
  std::string errors;
  if (!test::magickConvert({path + "[0]", "-set", "colorspace", "sRGB", "-depth", "16", "-endian",
                            "MSB", "rgba:" + raw},
                           &errors)) {
    ADD_FAILURE() << errors;
    return {};
  }
  const std::vector<uint8_t> bytes = test::readFileBytes(raw);
  if (bytes.size() != pixels * 8) return {};
  std::vector<double> values(pixels * 4);
  for (size_t i = 0; i < values.size(); ++i)
    values[i] = ((bytes[2 * i] << 8) | bytes[2 * i + 1]) / 65535.0;
  return values;
}

// libpng's test for a gamma correction worth doing.
bool gammaCorrected(double fileGamma) {
  return fileGamma > 0 && std::fabs(fileGamma * 2.2 - 1.0) >= 0.05;
}

// The levels our pixels may differ from the model: libpng keeps the high
// byte of 16-bit samples where the model rounds, and works through tables
// of limited resolution (a 16-bit file with a background, whose colour goes
// through them too: two).
int tolerance(const Declared& d) { return d.hasBackground && d.depth == 16 ? 2 : 1; }

// libpng's 8-bit gamma table entry: 255 (v / 255)^exponent, rounded.
int table8(int v, double exponent) {
  return static_cast<int>(std::floor(255.0 * std::pow(v / 255.0, exponent) + 0.5));
}

// The pixel we should produce from ImageMagick's unaltered RGBA `in`, as
// values 0..255.
void expectedPixel(const Declared& d, const double* in, bool keepAlpha, double* out) {
  const double fileGamma = d.gamma > 0 ? d.gamma : 1.0 / 2.2;
  const double exponent = gammaCorrected(d.gamma) ? 1.0 / (fileGamma * 2.2) : 1.0;
  for (int c = 0; c < 3; ++c) out[c] = 255.0 * std::pow(in[c], exponent);
  if (keepAlpha) {
    out[3] = 255.0 * in[3];
    return;
  }
  if (!d.hasBackground || in[3] >= 1.0) return;
  // Blend in linear light: decode with the file's gamma (without one the
  // stored values are blended as they are), re-encode for the screen.
  const double decode = d.gamma > 0 ? 1.0 / fileGamma : 1.0;
  const double encode = d.gamma > 0 ? 1.0 / 2.2 : 1.0;
  if (d.depth == 16) {
    for (int c = 0; c < 3; ++c) {
      const double linear =
          in[3] * std::pow(in[c], decode) + (1 - in[3]) * std::pow(d.background[c], decode);
      out[c] = 255.0 * std::pow(linear, encode);
    }
    return;
  }
  // Up to 8 bits libpng blends 8-bit linear values: a rounding there shows
  // up to twenty levels in the darkest parts, so the model does the same.
  const int a = static_cast<int>(std::lround(in[3] * 255));
  for (int c = 0; c < 3; ++c) {
    const int v = table8(static_cast<int>(std::lround(in[c] * 255)), decode);
    const int bg = static_cast<int>(std::floor(255.0 * std::pow(d.background[c], decode) + 0.5));
    const int sum = v * a + bg * (255 - a) + 128;
    out[c] = table8((sum + (sum >> 8)) >> 8, encode);
  }
}

TEST(PngSuite, EveryGoodFileDecodesAtItsSize) {
  TRIMLET_REQUIRE_CORPORA(corpora);
  const std::string folder = corpora + "/pngsuite";
  int decoded = 0;
  for (const std::string& name : suiteFiles(folder)) {
    if (isCorrupt(name)) continue;
    SCOPED_TRACE(name);
    const Declared d = declared(test::readFileBytes(folder + "/" + name));
    auto image = readPng(folder + "/" + name);
    ASSERT_TRUE(image.ok()) << image.reason();
    EXPECT_EQ(uint32_t(image->width()), d.width);
    EXPECT_EQ(uint32_t(image->height()), d.height);
    const bool alpha =
        (d.colourType == 4 || d.colourType == 6 || d.transparency) && !d.hasBackground;
    EXPECT_EQ(image->channels(), alpha ? 4 : 3);
    ++decoded;
  }
  EXPECT_GE(decoded, 150);
}

TEST(PngSuite, EveryCorruptFileIsRefused) {
  TRIMLET_REQUIRE_CORPORA(corpora);
  const std::string folder = corpora + "/pngsuite";
  int refused = 0;
  ::testing::internal::CaptureStderr();
  for (const std::string& name : suiteFiles(folder)) {
    if (!isCorrupt(name)) continue;
    auto image = readPng(folder + "/" + name);
    EXPECT_FALSE(image.ok()) << name;
    if (!image.ok()) {
      EXPECT_FALSE(image.reason().empty()) << name;
      ++refused;
    }
  }
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(refused, 14);
}

TEST(PngSuite, PixelsAgreeWithImageMagickThroughOurTransformations) {
  TRIMLET_REQUIRE_CORPORA(corpora);
  TRIMLET_REQUIRE_MAGICK();
  const std::string folder = corpora + "/pngsuite";
  for (const std::string& name : suiteFiles(folder)) {
    if (isCorrupt(name)) continue;
    SCOPED_TRACE(name);
    const std::string path = folder + "/" + name;
    const Declared d = declared(test::readFileBytes(path));
    auto ours = readPng(path);
    ASSERT_TRUE(ours.ok()) << ours.reason();
    const size_t pixels = size_t(d.width) * d.height;
    const std::vector<double> theirs = magickRgba16(path, pixels);
    ASSERT_EQ(theirs.size(), pixels * 4);

    const bool keepAlpha = ours->channels() == 4;
    const int channels = ours->channels();
    int worst = 0, worstX = 0, worstY = 0;
    for (uint32_t y = 0; y < d.height; ++y)
      for (uint32_t x = 0; x < d.width; ++x) {
        const double* in = &theirs[(size_t(y) * d.width + x) * 4];
        double expected[4];
        expectedPixel(d, in, keepAlpha, expected);
        const uint8_t* got = ours->at(int(x), int(d.height - 1 - y));
        for (int c = 0; c < channels; ++c) {
          const int difference = std::abs(int(std::lround(expected[c])) - got[c]);
          if (difference > worst) {
            worst = difference;
            worstX = int(x);
            worstY = int(y);
          }
        }
      }
    EXPECT_LE(worst, tolerance(d))
        << "largest difference at column " << worstX << ", row " << worstY << " from the top";
  }
}

}  // namespace
}  // namespace trimlet

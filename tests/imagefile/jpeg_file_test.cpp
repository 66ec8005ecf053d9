// The JPEG reader and writer: round trips, grey and four-component files,
// and files that must be refused without ending the process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "imagefile/jpeg_file.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::readFileBytes;
using test::TempDir;
using test::writeFileBytes;

using Bytes = std::vector<uint8_t>;

// Top half one colour, bottom half another, in 8 x 8 blocks, so the
// compressed picture keeps its colours to a few levels.
ImageBuffer twoColourImage(int width, int height, int channels) {
  auto image = ImageBuffer::create(width, height, channels);
  EXPECT_TRUE(image.ok());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = image->at(x, y);
      const bool top = y >= height / 2;
      p[0] = top ? 220 : 20;
      p[1] = 30;
      p[2] = top ? 40 : 230;
      if (channels == 4) p[3] = static_cast<uint8_t>(x * 7);
    }
  return image.take();
}

// Largest difference of any byte of two images of the same layout.
int largestDifference(const ImageBuffer& a, const ImageBuffer& b) {
  int worst = 0;
  for (size_t i = 0; i < a.byteCount(); ++i)
    worst = std::max(worst, std::abs(int(a.data()[i]) - int(b.data()[i])));
  return worst;
}

TEST(JpegRoundTrip, QualitySeventyFiveKeepsSizeAndRowOrder) {
  TempDir dir;
  ImageBuffer image = twoColourImage(32, 32, 3);
  ASSERT_TRUE(writeJpeg(dir.file("out.jpg"), image, 75).ok());
  auto back = readJpeg(dir.file("out.jpg"));
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_EQ(back->width(), 32);
  EXPECT_EQ(back->height(), 32);
  EXPECT_EQ(back->channels(), 3);
  // Not flipped: the bottom buffer rows are still the blue half, the top
  // ones the red half (away from the edge, which subsampling blurs).
  for (int y : {0, 5, 10, 21, 26, 31}) {
    for (int x : {0, 13, 31}) {
      const auto expected = test::pixelAt(image, x, y);
      const auto actual = test::pixelAt(*back, x, y);
      for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(actual[c], expected[c], 12) << "column " << x << ", row " << y;
    }
  }
}

TEST(JpegRoundTrip, FourthByteIsSkipped) {
  TempDir dir;
  ASSERT_TRUE(writeJpeg(dir.file("three.jpg"), twoColourImage(24, 8, 3), 90).ok());
  ASSERT_TRUE(writeJpeg(dir.file("four.jpg"), twoColourImage(24, 8, 4), 90).ok());
  EXPECT_EQ(readFileBytes(dir.file("three.jpg")), readFileBytes(dir.file("four.jpg")));
}

TEST(JpegRoundTrip, QualityChangesTheFileAndWriterLeavesTheBufferAlone) {
  TempDir dir;
  ImageBuffer image = test::patternImage(40, 30, 3);
  auto before = image.clone();
  ASSERT_TRUE(writeJpeg(dir.file("low.jpg"), image, 10).ok());
  ASSERT_TRUE(writeJpeg(dir.file("high.jpg"), image, 100).ok());
  EXPECT_TRUE(test::SameImage(*before, image));
  EXPECT_LT(readFileBytes(dir.file("low.jpg")).size(), readFileBytes(dir.file("high.jpg")).size());
  EXPECT_TRUE(readJpeg(dir.file("low.jpg")).ok());
}

TEST(JpegWriteRefused, ImpossibleInputWritesNothing) {
  TempDir dir;
  EXPECT_FALSE(writeJpeg(dir.file("a.jpg"), test::solidImage(2, 2, {9}), 75).ok());
  EXPECT_FALSE(writeJpeg(dir.file("b.jpg"), ImageBuffer(), 75).ok());
  EXPECT_FALSE(writeJpeg(dir.file("c.jpg"), test::solidImage(2, 2, {1, 2, 3}), 101).ok());
  EXPECT_FALSE(writeJpeg(dir.file("d.jpg"), test::solidImage(2, 2, {1, 2, 3}), -1).ok());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Files made by ImageMagick, compared with its own decoding of them.
struct MagickJpegCase {
  const char* name;
  std::vector<std::string> convertArguments;  // between the source picture and the file
  int channels;
  int tolerance;
};
void PrintTo(const MagickJpegCase& c, std::ostream* os) { *os << c.name; }

class JpegFromMagick : public ::testing::TestWithParam<MagickJpegCase> {};

TEST_P(JpegFromMagick, ChannelsAndPixelsMatchItsDecoding) {
  TRIMLET_REQUIRE_MAGICK();
  const MagickJpegCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.file("in.jpg");
  std::vector<std::string> args{"-size",
                                "24x16",
                                "gradient:#e01030-#20c0f0",
                                "(",
                                "-size",
                                "24x16",
                                "gradient:#000000-#ffff00",
                                "-rotate",
                                "90",
                                ")",
                                "-compose",
                                "multiply",
                                "-composite"};
  args.insert(args.end(), c.convertArguments.begin(), c.convertArguments.end());
  args.push_back(path);
  std::string errors;
  ASSERT_TRUE(test::magickConvert(args, &errors)) << errors;

  auto ours = readJpeg(path);
  ASSERT_TRUE(ours.ok()) << ours.reason();
  ASSERT_EQ(ours->channels(), c.channels);
  ImageBuffer theirs = test::magickDecode(path, c.channels);
  ASSERT_FALSE(theirs.empty());
  ASSERT_EQ(ours->width(), theirs.width());
  ASSERT_EQ(ours->height(), theirs.height());
  EXPECT_LE(largestDifference(theirs, *ours), c.tolerance);
  if (c.tolerance == 0) {
    EXPECT_TRUE(test::SameImage(theirs, *ours));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Variants, JpegFromMagick,
    ::testing::Values(MagickJpegCase{"Colour", {"-quality", "85"}, 3, 0},
                      MagickJpegCase{"Grey", {"-colorspace", "Gray"}, 1, 0},
                      MagickJpegCase{"Progressive", {"-interlace", "JPEG"}, 3, 0},
                      MagickJpegCase{"NoSubsampling", {"-sampling-factor", "1x1"}, 3, 0},
                      // CMYK: both sides turn ink into light by the same
                      // product; they round it a little differently.
                      MagickJpegCase{"Cmyk", {"-colorspace", "CMYK"}, 3, 1},
                      MagickJpegCase{
                          "CmykProgressive", {"-colorspace", "CMYK", "-interlace", "JPEG"}, 3, 1}),
    [](const ::testing::TestParamInfo<MagickJpegCase>& info) {
      return std::string(info.param.name);
    });

// The colour of a CMYK file is right, not just equal to another decoder's:
// pure cyan ink on white paper is cyan light.
TEST(JpegCmyk, InkBecomesTheRightColour) {
  TRIMLET_REQUIRE_MAGICK();
  TempDir dir;
  const std::string path = dir.file("cyan.jpg");
  ASSERT_TRUE(test::magickConvert(
      {"-size", "16x16", "xc:#00ffff", "-colorspace", "CMYK", "-quality", "100", path}));
  auto image = readJpeg(path);
  ASSERT_TRUE(image.ok()) << image.reason();
  ASSERT_EQ(image->channels(), 3);
  const auto p = test::pixelAt(*image, 8, 8);
  EXPECT_LE(p[0], 4);
  EXPECT_GE(p[1], 251);
  EXPECT_GE(p[2], 251);
}

// libjpeg's "premature end" on a file cut inside its picture, a garbage
// file's "not a JPEG", and the like: no image, a reason, the process goes on.
struct RefusedCase {
  const char* name;
  std::function<Bytes(const Bytes&)> damage;  // applied to a good file
  const char* reasonPart;
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

// The offset of the first marker `code` (0xFF code) or npos.
size_t findMarker(const Bytes& file, uint8_t code, size_t from = 2) {
  for (size_t i = from; i + 1 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == code) return i;
  return std::string::npos;
}

// A file whose frame header (baseline C0 or progressive C2) claims another
// size.
Bytes claimSize(Bytes file, uint16_t width, uint16_t height) {
  size_t sof = findMarker(file, 0xC2);
  if (sof == std::string::npos) sof = findMarker(file, 0xC0);
  if (sof == std::string::npos) return {};
  file[sof + 5] = static_cast<uint8_t>(height >> 8);
  file[sof + 6] = static_cast<uint8_t>(height);
  file[sof + 7] = static_cast<uint8_t>(width >> 8);
  file[sof + 8] = static_cast<uint8_t>(width);
  return file;
}

// The last scan of a progressive file repeated until there are far too many.
Bytes manyScans(const Bytes& file) {
  size_t last = std::string::npos;
  for (size_t at = findMarker(file, 0xDA); at != std::string::npos;
       at = findMarker(file, 0xDA, at + 2))
    last = at;
  const size_t end = findMarker(file, 0xD9, last);
  if (last == std::string::npos || end == std::string::npos) return {};
  Bytes out(file.begin(), file.begin() + end);
  for (int i = 0; i < kJpegScanLimit + 10; ++i)
    out.insert(out.end(), file.begin() + last, file.begin() + end);
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

// The start of the scan of `file` with the most data, and its end (the next
// marker), or npos.
std::pair<size_t, size_t> largestScan(const Bytes& file) {
  std::pair<size_t, size_t> best{std::string::npos, std::string::npos};
  for (size_t at = findMarker(file, 0xDA); at != std::string::npos;
       at = findMarker(file, 0xDA, at + 2)) {
    // Markers inside scan data are FF 00 (stuffing) or restart markers.
    size_t end = at + 2;
    for (; end + 1 < file.size(); ++end)
      if (file[end] == 0xFF && file[end + 1] != 0 && (file[end + 1] < 0xD0 || file[end + 1] > 0xD7))
        break;
    if (best.first == std::string::npos || end - at > best.second - best.first) best = {at, end};
  }
  return best;
}

Bytes cutInsideLargestScan(const Bytes& file) {
  const auto scan = largestScan(file);
  if (scan.first == std::string::npos) return {};
  return Bytes(file.begin(), file.begin() + (scan.first + scan.second) / 2);
}

// Made once: a baseline file of our writer and a progressive colour file
// of ImageMagick's (empty without it), both of noise so picture data fill
// most of the file.
struct JpegSamples {
  Bytes baseline;
  Bytes progressive;
};
const JpegSamples& samples() {
  static const JpegSamples made = [] {
    JpegSamples s;
    TempDir dir;
    if (writeJpeg(dir.file("b.jpg"), test::patternImage(64, 48, 3), 90).ok())
      s.baseline = readFileBytes(dir.file("b.jpg"));
    if (test::magickAvailable() &&
        test::magickConvert({"-size", "64x48", "xc:#808040", "+noise", "Random", "-interlace",
                             "JPEG", "-sampling-factor", "1x1", dir.file("p.jpg")}))
      s.progressive = readFileBytes(dir.file("p.jpg"));
    return s;
  }();
  return made;
}

class JpegRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(JpegRefused, GivesNoImageAndTheLibrarysReason) {
  const bool progressive = std::string(GetParam().name).find("Progressive") != std::string::npos;
  const Bytes& good = progressive ? samples().progressive : samples().baseline;
  if (progressive && good.empty()) {
    if (test::runningUnderCi()) FAIL() << "ImageMagick's convert is missing";
    GTEST_SKIP() << "needs ImageMagick's convert";
  }
  ASSERT_FALSE(good.empty());
  TempDir dir;
  writeFileBytes(dir.file("good.jpg"), good);
  ASSERT_TRUE(readJpeg(dir.file("good.jpg")).ok());
  const Bytes damaged = GetParam().damage(good);
  writeFileBytes(dir.file("bad.jpg"), damaged);
  ::testing::internal::CaptureStderr();
  auto read = readJpeg(dir.file("bad.jpg"));
  ::testing::internal::GetCapturedStderr();
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.reason().find(GetParam().reasonPart), std::string::npos) << read.reason();
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, JpegRefused,
    ::testing::Values(
        RefusedCase{"Truncated",
                    [](const Bytes& f) { return Bytes(f.begin(), f.begin() + f.size() / 2); },
                    "Premature end of JPEG file"},
        // Cut before the frame: the library finds no picture.
        RefusedCase{"TruncatedInHeader",
                    [](const Bytes& f) { return Bytes(f.begin(), f.begin() + 40); },
                    "contains no image"},
        RefusedCase{"TruncatedProgressive", cutInsideLargestScan, "Premature end of JPEG file"},
        RefusedCase{"Garbage",
                    [](const Bytes& f) {
                      Bytes g(f.size());
                      for (size_t i = 0; i < g.size(); ++i)
                        g[i] = static_cast<uint8_t>(i * 37 + 11);
                      return g;
                    },
                    "Not a JPEG file"},
        RefusedCase{"Empty", [](const Bytes&) { return Bytes(); }, "Empty input file"},
        RefusedCase{
            "PngNamedJpg",
            [](const Bytes&) { return Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0}; },
            "Not a JPEG file"},
        RefusedCase{"NoFrame",
                    [](const Bytes& f) {
                      // Start of image, then straight to the end marker.
                      return Bytes{f[0], f[1], 0xFF, 0xD9};
                    },
                    "JPEG datastream contains no image"},
        // The scan data stop early at a marker: here the end marker comes
        // half way through them.
        RefusedCase{"ScanDataCutShort",
                    [](const Bytes& f) {
                      Bytes cut(f.begin(), f.begin() + f.size() / 2);
                      cut.insert(cut.end(), {0xFF, 0xD9});
                      return cut;
                    },
                    "premature end of data segment"},
        // A whole, small file claiming 20000 x 20000: the data run out
        // after the first rows, and the read stops there.
        RefusedCase{"HugeClaim", [](const Bytes& f) { return claimSize(f, 20000, 20000); },
                    "premature end of data segment"},
        RefusedCase{"ZeroHeightProgressive", [](const Bytes& f) { return claimSize(f, 16, 0); },
                    ""},
        // A few hundred bytes claiming 20000 x 20000 progressive: libjpeg
        // would need 2.4 GB of coefficients; its memory cap refuses it.
        RefusedCase{"HugeClaimProgressive",
                    [](const Bytes& f) { return claimSize(f, 20000, 20000); },
                    "Backing store not supported"},
        // Beyond the 2^31-byte image limit: refused before anything is
        // allocated.
        RefusedCase{"BeyondSizeLimitProgressive",
                    [](const Bytes& f) { return claimSize(f, 60000, 60000); }, "too large"},
        RefusedCase{"TooManyScansProgressive", manyScans, "too many scans"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(JpegRefused, MissingFileGivesAReason) {
  auto read = readJpeg("/nonexistent/folder/photo.jpg");
  EXPECT_FALSE(read.ok());
  EXPECT_FALSE(read.reason().empty());
}

// A file that lacks only its end marker, or a progressive one cut between
// two scans, still has its whole picture (the second a coarser one).
struct WholeCase {
  const char* name;
  bool progressive;
  std::function<Bytes(const Bytes&)> cut;
};
void PrintTo(const WholeCase& c, std::ostream* os) { *os << c.name; }

class JpegCutButWhole : public ::testing::TestWithParam<WholeCase> {};

TEST_P(JpegCutButWhole, IsReadAtFullSize) {
  const Bytes& good = GetParam().progressive ? samples().progressive : samples().baseline;
  if (good.empty()) GTEST_SKIP() << "needs ImageMagick's convert";
  TempDir dir;
  writeFileBytes(dir.file("a.jpg"), GetParam().cut(good));
  ::testing::internal::CaptureStderr();
  auto read = readJpeg(dir.file("a.jpg"));
  ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(read.ok()) << read.reason();
  EXPECT_EQ(read->width(), 64);
  EXPECT_EQ(read->height(), 48);
}

Bytes withoutEndMarker(const Bytes& file) {
  if (file.size() < 2 || file[file.size() - 2] != 0xFF || file[file.size() - 1] != 0xD9) return {};
  return Bytes(file.begin(), file.end() - 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, JpegCutButWhole,
    ::testing::Values(WholeCase{"BaselineWithoutEndMarker", false, withoutEndMarker},
                      WholeCase{"ProgressiveWithoutEndMarker", true, withoutEndMarker},
                      WholeCase{"ProgressiveCutBeforeItsLastScan", true,
                                [](const Bytes& f) {
                                  size_t last = std::string::npos;
                                  for (size_t at = findMarker(f, 0xDA); at != std::string::npos;
                                       at = findMarker(f, 0xDA, at + 2))
                                    last = at;
                                  return Bytes(f.begin(), f.begin() + last);
                                }}),
    [](const ::testing::TestParamInfo<WholeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trimlet

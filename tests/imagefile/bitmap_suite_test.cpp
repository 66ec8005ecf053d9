// The bitmap reader over BMP Suite: every good file decodes (to its reference
// picture where one exists), every questionable file decodes or is refused
// with a reason, every bad file is refused without allocating what it claims.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "imagefile/bitmap_file.h"
#include "tests/imagefile/allocation_watch.h"
#include "tests/support/imagemagick.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> bitmapsIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.path().extension() == ".bmp") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool isReaderReason(const std::string& reason) {
  return reason == "Unknown DIB file format." || reason == "Image file conversion error." ||
         reason == "Out of memory.";
}

// Files without a reference of their own that show the picture of another.
const std::map<std::string, std::string> kSamePictureAs{
    {"pal1wb", "pal1"},          {"pal4rle", "pal4"},
    {"pal8-0", "pal8"},          {"pal8os2", "pal8"},
    {"pal8rle", "pal8"},         {"pal8topdown", "pal8"},
    {"pal8v4", "pal8"},          {"pal8v5", "pal8"},
    {"rgb16bfdef", "rgb16"},     {"rgb16-565pal", "rgb16-565"},
    {"rgb24pal", "rgb24"},       {"rgb32", "rgb24"},
    {"rgb32bf", "rgb24"},        {"rgb32bfdef", "rgb24"},
    {"pal8offs", "pal8"},        {"pal8os2-hs", "pal8"},
    {"pal8os2-sz", "pal8"},      {"pal8os2sp", "pal8"},
    {"pal8os2v2-40sz", "pal8"},  {"pal8oversizepal", "pal8"},
    {"rgb24largepal", "rgb24"},  {"rgb32-xbgr", "rgb24"},
    {"rgb32fakealpha", "rgb24"}, {"rgb32h52", "rgb24"},
    {"rgb32-111110", "rgb24"},   {"rgba32-1", "rgba32"},
    {"rgba32-2", "rgba32"},      {"rgba32abf", "rgba32"},
    {"rgba32h56", "rgba32"},
};

// The reference pictures for `name`: its own, its "-0" / "-b" readings of
// undefined pixels, or the picture it shares.
std::vector<std::string> referencesFor(const std::string& corpus, const std::string& name) {
  std::vector<std::string> found;
  const std::string dir = corpus + "/bmpsuite/reference/";
  for (const std::string& candidate : {name, name + "-0", name + "-b"})
    if (test::fileExists(dir + candidate + ".png")) found.push_back(dir + candidate + ".png");
  const auto alias = kSamePictureAs.find(name);
  if (found.empty() && alias != kSamePictureAs.end()) found.push_back(dir + alias->second + ".png");
  return found;
}

// Compares the red, green and blue of the opaque reference pixels (the
// transparent ones show what the bitmap leaves undefined).
::testing::AssertionResult matchesReference(const ImageBuffer& ours, const ImageBuffer& rgba,
                                            int tolerance) {
  if (ours.width() != rgba.width() || ours.height() != rgba.height())
    return ::testing::AssertionFailure()
           << "size " << ours.width() << " x " << ours.height() << ", reference " << rgba.width()
           << " x " << rgba.height();
  for (int y = 0; y < ours.height(); ++y)
    for (int x = 0; x < ours.width(); ++x) {
      const uint8_t* r = rgba.at(x, y);
      const uint8_t* o = ours.at(x, y);
      if (r[3] != 255) continue;
      for (int c = 0; c < 3; ++c)
        if (std::abs(r[c] - o[c]) > tolerance)
          return ::testing::AssertionFailure()
                 << "pixel (" << x << ", buffer row " << y << "): reference (" << int(r[0]) << ", "
                 << int(r[1]) << ", " << int(r[2]) << "), got (" << int(o[0]) << ", " << int(o[1])
                 << ", " << int(o[2]) << ")";
    }
  return ::testing::AssertionSuccess();
}

void expectReferencePicture(const std::string& corpus, const std::string& name,
                            const ImageBuffer& ours, int tolerance) {
  const std::vector<std::string> references = referencesFor(corpus, name);
  if (references.empty()) return;
  std::string failures;
  for (const std::string& reference : references) {
    const ImageBuffer rgba = test::magickDecode(reference, 4);
    const auto match = matchesReference(ours, rgba, tolerance);
    if (match) return;
    failures += "\n  " + reference + ": " + match.message();
  }
  ADD_FAILURE() << name << " matches none of its references:" << failures;
}

TEST(BmpSuiteGood, EveryFileDecodesToItsReferencePicture) {
  TRIMLET_REQUIRE_CORPORA(corpus);
  TRIMLET_REQUIRE_MAGICK();
  const std::vector<std::string> names = bitmapsIn(corpus + "/bmpsuite/good");
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    auto image = readBitmap(corpus + "/bmpsuite/good/" + name + ".bmp");
    ASSERT_TRUE(image.ok()) << image.reason();
    EXPECT_EQ(image->channels(), 3);
    expectReferencePicture(corpus, name, *image, 0);
  }
}

TEST(BmpSuiteQuestionable, EveryFileDecodesSensiblyOrIsRefusedWithAReason) {
  TRIMLET_REQUIRE_CORPORA(corpus);
  TRIMLET_REQUIRE_MAGICK();
  const std::vector<std::string> names = bitmapsIn(corpus + "/bmpsuite/questionable");
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    auto image = readBitmap(corpus + "/bmpsuite/questionable/" + name + ".bmp");
    if (!image) {
      EXPECT_TRUE(isReaderReason(image.reason())) << image.reason();
      continue;
    }
    EXPECT_EQ(image->channels(), 3);
    // Fields wider than 8 bits may round either way.
    expectReferencePicture(corpus, name, *image, 1);
  }
}

TEST(BmpSuiteBad, EveryFileIsRefusedWithoutAllocatingItsClaim) {
  TRIMLET_REQUIRE_CORPORA(corpus);
  const std::vector<std::string> names = bitmapsIn(corpus + "/bmpsuite/bad");
  ASSERT_FALSE(names.empty());
  EXPECT_NE(std::find(names.begin(), names.end(), "reallybig"), names.end());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes =
        test::readFileBytes(corpus + "/bmpsuite/bad/" + name + ".bmp");
    test::LargestAllocation watch;
    auto image = decodeBitmap(bytes.data(), bytes.size());
    EXPECT_FALSE(image.ok());
    EXPECT_TRUE(isReaderReason(image.reason())) << image.reason();
    // Nothing much larger than the file itself.
    EXPECT_LT(watch.bytes(), 4 * bytes.size() + 65536);
  }
}

TEST(BmpSuiteUnsupported, ObsoleteAndForeignEncodingsAreUnknownFormats) {
  TRIMLET_REQUIRE_CORPORA(corpus);
  // OS/2 2.x headers, Huffman, embedded JPEG and PNG, 24-bit run-length and
  // 64-bit pixels are not formats this reader knows.
  for (const char* name : {"pal1huffmsb", "pal8os2v2", "pal8os2v2-16", "rgb24jpeg", "rgb24png",
                           "rgb24rle24", "rgba64"}) {
    auto image = readBitmap(corpus + "/bmpsuite/questionable/" + name + ".bmp");
    ASSERT_FALSE(image.ok()) << name;
    EXPECT_EQ(image.reason(), "Unknown DIB file format.") << name;
  }
}

}  // namespace
}  // namespace trimlet

// Format recognition from file names, output extensions and the dispatch
// table of readers and writers.
#include <gtest/gtest.h>

#include "imagefile/image_format.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::readFileBytes;
using test::TempDir;

struct NameCase {
  const char* name;
  SourceFormat format;
};
void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.name << "\" -> " << c.format; }

class SourceFormatFromName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SourceFormatFromName, LastThreeCharactersUpperCased) {
  EXPECT_EQ(sourceFormatOf(GetParam().name), GetParam().format);
  EXPECT_EQ(isImageFileName(GetParam().name), GetParam().format != SourceFormat::kNone);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SourceFormatFromName,
    ::testing::Values(
        NameCase{"photo.JPG", SourceFormat::kJpeg}, NameCase{"photo.jpg", SourceFormat::kJpeg},
        NameCase{"photo.Jpg", SourceFormat::kJpeg}, NameCase{"photo.jpeg", SourceFormat::kNone},
        NameCase{"xjpg", SourceFormat::kJpeg}, NameCase{"jpg", SourceFormat::kJpeg},
        NameCase{"pg", SourceFormat::kNone}, NameCase{"", SourceFormat::kNone},
        NameCase{"scan.tga", SourceFormat::kTarga}, NameCase{"scan.TgA", SourceFormat::kTarga},
        NameCase{"old.bmp", SourceFormat::kBitmap}, NameCase{"old.BMP", SourceFormat::kBitmap},
        NameCase{"shot.png", SourceFormat::kPng}, NameCase{"shot.PNG", SourceFormat::kPng},
        NameCase{"/pictures/a.b/shot.png", SourceFormat::kPng},
        NameCase{"shot.png.txt", SourceFormat::kNone}, NameCase{"shot.gif", SourceFormat::kNone},
        NameCase{"shot.pn", SourceFormat::kNone}, NameCase{"shot.png ", SourceFormat::kNone}));

struct ExtensionCase {
  OutputFormat outputFormat;
  const char* extension;
};
void PrintTo(const ExtensionCase& c, std::ostream* os) {
  *os << c.outputFormat << " -> \"" << c.extension << '"';
}

class OutputExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(OutputExtension, OfEachOutputFormat) {
  EXPECT_EQ(outputExtension(GetParam().outputFormat), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(Formats, OutputExtension,
                         ::testing::Values(ExtensionCase{OutputFormat::kJpeg, ".jpg"},
                                           ExtensionCase{OutputFormat::kTarga, ".tga"},
                                           ExtensionCase{OutputFormat::kBitmap, ".bmp"},
                                           ExtensionCase{OutputFormat::kSame, ""},
                                           ExtensionCase{OutputFormat::kPng, ".png"},
                                           ExtensionCase{static_cast<OutputFormat>(5), ""},
                                           ExtensionCase{static_cast<OutputFormat>(-1), ""}));

struct ReplaceCase {
  const char* path;
  const char* extension;
  const char* expected;
};
void PrintTo(const ReplaceCase& c, std::ostream* os) {
  *os << '"' << c.path << "\" + \"" << c.extension << "\" -> \"" << c.expected << '"';
}

class ReplaceLastFour : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceLastFour, PutsTheExtensionOverTheLastFourCharacters) {
  EXPECT_EQ(replaceLastFour(GetParam().path, GetParam().extension), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReplaceLastFour,
    ::testing::Values(ReplaceCase{"/out/photo.jpg", ".png", "/out/photo.png"},
                      ReplaceCase{"/out/photo.JPG", ".tga", "/out/photo.tga"},
                      // Four characters go, whatever the old ending was.
                      ReplaceCase{"/out/photo.jpeg", ".bmp", "/out/photo..bmp"},
                      ReplaceCase{"/out/a.bmp", ".bmp", "/out/a.bmp"},
                      ReplaceCase{"abcd", ".jpg", ".jpg"}, ReplaceCase{"ab", ".jpg", ".jpg"},
                      ReplaceCase{"", ".png", ".png"},
                      // "Same as the source" keeps the path.
                      ReplaceCase{"/out/photo.png", "", "/out/photo.png"}));

TEST(FormatDispatch, SameAsSourceWritesWithTheSourcesWriter) {
  EXPECT_EQ(writerFormat(OutputFormat::kSame, SourceFormat::kBitmap), SourceFormat::kBitmap);
  EXPECT_EQ(writerFormat(OutputFormat::kPng, SourceFormat::kBitmap), SourceFormat::kPng);
  EXPECT_EQ(writerFormat(OutputFormat::kJpeg, SourceFormat::kPng), SourceFormat::kJpeg);
  EXPECT_EQ(writerFormat(OutputFormat::kTarga, SourceFormat::kPng), SourceFormat::kTarga);
  EXPECT_EQ(writerFormat(OutputFormat::kBitmap, SourceFormat::kPng), SourceFormat::kBitmap);
  // A damaged profile's number names no writer of its own.
  EXPECT_EQ(writerFormat(static_cast<OutputFormat>(9), SourceFormat::kJpeg), SourceFormat::kJpeg);
}

TEST(FormatDispatch, NameNotAnImageIsRefusedByReaderAndWriter) {
  auto read = readImageFile(SourceFormat::kNone, "/nonexistent/photo.jpeg");
  EXPECT_FALSE(read.ok());
  EXPECT_FALSE(read.reason().empty());

  TempDir dir;
  ImageBuffer image = test::solidImage(2, 2, {1, 2, 3});
  for (int format : {-1, 3, 7}) {
    const Status written = writeImageFile(static_cast<SourceFormat>(format), dir.file("out.img"),
                                          image, WriteOptions());
    EXPECT_FALSE(written.ok()) << format;
    EXPECT_FALSE(test::fileExists(dir.file("out.img"))) << format;
  }
}

struct DispatchCase {
  const char* name;
  std::vector<uint8_t> signature;
};
void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.name; }

class FormatDispatch : public ::testing::TestWithParam<DispatchCase> {};

// The writer chosen from a name writes that format and the reader of the
// same name reads it back.
TEST_P(FormatDispatch, WritesAndReadsTheFormatOfTheName) {
  TempDir dir;
  const std::string path = dir.file(GetParam().name);
  const SourceFormat format = sourceFormatOf(path);
  ASSERT_NE(format, SourceFormat::kNone);
  ImageBuffer image = test::solidImage(5, 3, {200, 40, 10});
  ASSERT_TRUE(writeImageFile(format, path, image, WriteOptions()).ok());
  const std::vector<uint8_t> bytes = readFileBytes(path);
  ASSERT_GE(bytes.size(), GetParam().signature.size());
  EXPECT_TRUE(std::equal(GetParam().signature.begin(), GetParam().signature.end(), bytes.begin()));
  auto back = readImageFile(format, path);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_EQ(back->width(), 5);
  EXPECT_EQ(back->height(), 3);
  EXPECT_EQ(back->channels(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatDispatch,
    ::testing::Values(DispatchCase{"photo.jpg", {0xFF, 0xD8, 0xFF}},
                      DispatchCase{"photo.JPG", {0xFF, 0xD8, 0xFF}},
                      DispatchCase{"shot.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
                      DispatchCase{"shot.Png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}}));

// With "same as the source" and a PNG source the output path keeps its
// extension and the PNG writer is the one used.
TEST(FormatDispatch, SameAsSourceWithPngSourceKeepsPathAndWritesPng) {
  TempDir dir;
  const std::string source = dir.file("picture.png");
  const std::string output = replaceLastFour(source, outputExtension(OutputFormat::kSame));
  EXPECT_EQ(output, source);
  ImageBuffer image = test::patternImage(4, 4, 4);
  ASSERT_TRUE(writeImageFile(sourceFormatOf(source), output, image, WriteOptions()).ok());
  auto back = readImageFile(SourceFormat::kPng, output);
  ASSERT_TRUE(back.ok()) << back.reason();
  EXPECT_TRUE(test::SameImage(image, *back));
}

}  // namespace
}  // namespace trimlet

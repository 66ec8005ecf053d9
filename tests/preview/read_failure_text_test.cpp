// The message for a chosen file that cannot be decoded.
#include "preview/model/read_failure_text.h"

#include <gtest/gtest.h>

#include "imagefile/image_format.h"

namespace trimlet {
namespace {

TEST(ReadFailureText, BitmapReasonsStandAloneUnderError) {
  const ReadFailureText t =
      readFailureText("/p/a.bmp", SourceFormat::kBitmap, "Bad bitmap header.");
  EXPECT_TRUE(t.errorCaption);
  EXPECT_EQ(t.text, "Bad bitmap header.");
}

TEST(ReadFailureText, OtherReadersNameTheFileAndGiveTheReason) {
  for (SourceFormat format : {SourceFormat::kJpeg, SourceFormat::kTarga, SourceFormat::kPng}) {
    const ReadFailureText t = readFailureText("/p/a.png", format, "The file is not a PNG file.");
    EXPECT_FALSE(t.errorCaption) << static_cast<int>(format);
    EXPECT_EQ(t.text,
              "The image file\n\n/p/a.png\n\ncould not be read.\n\nThe file is not a PNG file.")
        << static_cast<int>(format);
  }
}

TEST(ReadFailureText, AnEmptyReasonLeavesTheSentenceWhole) {
  const ReadFailureText t = readFailureText("/p/a.tga", SourceFormat::kTarga, "");
  EXPECT_EQ(t.text, "The image file\n\n/p/a.tga\n\ncould not be read.");
}

}  // namespace
}  // namespace trimlet

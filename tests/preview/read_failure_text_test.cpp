// The message for a chosen file that cannot be decoded.
#include "preview/model/read_failure_text.h"

#include <gtest/gtest.h>

#include "imagefile/image_format.h"

namespace trimlet {
namespace {

TEST(ReadFailureText, BitmapReasonsStandAloneUnderError) {
  const ReadFailureText t = readFailureText("/p/a.bmp", kSourceBitmap, "Bad bitmap header.");
  EXPECT_TRUE(t.errorCaption);
  EXPECT_EQ(t.text, "Bad bitmap header.");
}

TEST(ReadFailureText, OtherReadersNameTheFileAndGiveTheReason) {
  for (int format : {kSourceJpeg, kSourceTarga, kSourcePng}) {
    const ReadFailureText t = readFailureText("/p/a.png", format, "The file is not a PNG file.");
    EXPECT_FALSE(t.errorCaption) << format;
    EXPECT_EQ(t.text, "The image file\n\n/p/a.png\n\ncould not be read.\n\nThe file is not a PNG file.")
        << format;
  }
}

TEST(ReadFailureText, AnEmptyReasonLeavesTheSentenceWhole) {
  const ReadFailureText t = readFailureText("/p/a.tga", kSourceTarga, "");
  EXPECT_EQ(t.text, "The image file\n\n/p/a.tga\n\ncould not be read.");
}

}  // namespace
}  // namespace trimlet

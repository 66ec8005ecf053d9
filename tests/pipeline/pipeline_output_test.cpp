// What the pipeline keeps for writing: channel counts by output format, and
// grey sources widened.
#include <gtest/gtest.h>

#include "tests/pipeline/pipeline_fixture.h"
#include "tests/support/imagemagick.h"

namespace trimlet {
namespace {

using test::PipelineTest;
using test::pixelAt;

ImageBuffer translucentSquare() {
  ImageBuffer image = test::solidImage(8, 6, {10, 20, 30, 128});
  image.at(0, 0)[3] = 7;
  return image;
}

struct AlphaCase {
  OutputFormat outputFormat;
  int resultChannels;
};
void PrintTo(const AlphaCase& c, std::ostream* os) { *os << "output format " << c.outputFormat; }
class AlphaByOutputFormat : public PipelineTest, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(AlphaByOutputFormat, SurvivesOnlyForTargaAndPng) {
  writeImage("alpha.png", translucentSquare());
  fields().outputFormat = GetParam().outputFormat;
  open("alpha.png");
  ASSERT_FALSE(pipeline.result().empty());
  EXPECT_EQ(pipeline.source().channels(), 4);
  EXPECT_EQ(pipeline.result().channels(), GetParam().resultChannels);
  if (GetParam().resultChannels == 4) {
    EXPECT_EQ(pixelAt(pipeline.result(), 0, 0)[3], 7);
    EXPECT_EQ(pixelAt(pipeline.result(), 1, 0)[3], 128);
  }
}
INSTANTIATE_TEST_SUITE_P(Formats, AlphaByOutputFormat,
                         ::testing::Values(AlphaCase{OutputFormat::kJpeg, 3},
                                           AlphaCase{OutputFormat::kTarga, 4},
                                           AlphaCase{OutputFormat::kBitmap, 3},
                                           AlphaCase{OutputFormat::kSame, 3},
                                           AlphaCase{OutputFormat::kPng, 4}));

TEST_F(PipelineTest, AGreyJpegBecomesThreeEqualChannels) {
  TRIMLET_REQUIRE_MAGICK();
  ASSERT_TRUE(test::magickConvert({"-size", "16x8", "gradient:black-white", "-colorspace", "Gray",
                                   "-type", "Grayscale", dir.file("grey.jpg")}));
  open("grey.jpg");
  ASSERT_FALSE(pipeline.source().empty());
  EXPECT_EQ(pipeline.source().channels(), 3);
  for (int y = 0; y < 8; ++y) {
    const auto p = pixelAt(pipeline.source(), 3, y);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
  }
}

}  // namespace
}  // namespace trimlet

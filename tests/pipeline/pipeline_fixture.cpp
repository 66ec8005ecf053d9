#include "tests/pipeline/pipeline_fixture.h"

#include <cstring>

namespace trimlet::test {

ImageBuffer pageWithBlock(int width, int height, int x, int y, int blockWidth, int blockHeight,
                          int channels) {
  const uint8_t white[4] = {255, 255, 255, 255};
  auto image = ImageBuffer::filled(width, height, channels, white);
  EXPECT_TRUE(image.ok());
  const uint8_t dark[4] = {20, 40, 60, 255};
  for (int row = y; row < y + blockHeight; ++row)
    for (int col = x; col < x + blockWidth; ++col)
      std::memcpy(image->at(col, height - 1 - row), dark, channels);
  return image.take();
}

}  // namespace trimlet::test

#pragma once
// Helpers shared by the tests: small synthetic images, pixel comparison with
// readable failure output, temporary folders and the conformance corpora.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/image/image_buffer.h"

namespace trimlet {

// Tests print a mode or code of the engine by its stored number.
template <typename Enum, typename = std::enable_if_t<std::is_enum_v<Enum>>>
std::ostream& operator<<(std::ostream& os, Enum value) {
  return os << static_cast<long long>(value);
}

}  // namespace trimlet

namespace trimlet::test {

// An image of the given size whose every pixel is `pixel` (channels bytes).
ImageBuffer solidImage(int width, int height, std::initializer_list<uint8_t> pixel);
// A white page with a dark (20, 40, 60) rectangle of the given size at (x, y)
// from the picture's top-left.
ImageBuffer pageWithBlock(int width, int height, int x, int y, int blockWidth, int blockHeight,
                          int channels = 3);
// An image whose bytes are a deterministic pattern (so rows and columns differ).
ImageBuffer patternImage(int width, int height, int channels, uint32_t seed = 1);
// An image built from rows given top row first (as one reads a picture), each
// row a list of bytes; the buffer is stored bottom-up as usual.
ImageBuffer imageFromTopRows(int width, int channels,
                             const std::vector<std::vector<uint8_t>>& topRows);

// Pixel bytes at picture column x, buffer row y, as a vector (for EXPECT_EQ).
std::vector<uint8_t> pixelAt(const ImageBuffer& image, int x, int y);

// Passes when both images have the same size, channels and bytes; otherwise
// names the first differing pixel with both values.
::testing::AssertionResult SameImage(const ImageBuffer& expected, const ImageBuffer& actual);

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The conformance corpora folder, or "" when it is missing. Under CI
// (CI=true) a missing folder fails the calling test instead of skipping it.
std::string corporaDir();
#define TRIMLET_REQUIRE_CORPORA(dirVar)                                             \
  const std::string dirVar = ::trimlet::test::corporaDir();                         \
  if (dirVar.empty()) {                                                             \
    if (::trimlet::test::runningUnderCi()) FAIL() << "conformance corpora missing"; \
    GTEST_SKIP() << "conformance corpora not present";                              \
  }
bool runningUnderCi();

std::vector<uint8_t> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool fileExists(const std::string& path);

}  // namespace trimlet::test

#include "tests/support/test_support.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace trimlet::test {

ImageBuffer solidImage(int width, int height, std::initializer_list<uint8_t> pixel) {
  std::vector<uint8_t> bytes(pixel);
  auto image = ImageBuffer::filled(width, height, static_cast<int>(bytes.size()), bytes.data());
  EXPECT_TRUE(image.ok()) << image.reason();
  return image.ok() ? image.take() : ImageBuffer();
}

ImageBuffer patternImage(int width, int height, int channels, uint32_t seed) {
  auto image = ImageBuffer::create(width, height, channels);
  EXPECT_TRUE(image.ok()) << image.reason();
  if (!image) return ImageBuffer();
  uint32_t state = seed * 2654435761u + 12345u;
  for (size_t i = 0; i < image->byteCount(); ++i) {
    state = state * 1664525u + 1013904223u;
    image->data()[i] = static_cast<uint8_t>(state >> 24);
  }
  return image.take();
}

ImageBuffer imageFromTopRows(int width, int channels,
                             const std::vector<std::vector<uint8_t>>& topRows) {
  const int height = static_cast<int>(topRows.size());
  auto image = ImageBuffer::create(width, height, channels);
  EXPECT_TRUE(image.ok()) << image.reason();
  if (!image) return ImageBuffer();
  for (int i = 0; i < height; ++i) {
    EXPECT_EQ(topRows[i].size(), image->stride()) << "row " << i << " has the wrong length";
    std::memcpy(image->row(height - 1 - i), topRows[i].data(),
                std::min(topRows[i].size(), image->stride()));
  }
  return image.take();
}

std::vector<uint8_t> pixelAt(const ImageBuffer& image, int x, int y) {
  const uint8_t* p = image.at(x, y);
  return std::vector<uint8_t>(p, p + image.channels());
}

namespace {
std::string describePixel(const ImageBuffer& image, int x, int y) {
  std::ostringstream out;
  out << "(";
  const uint8_t* p = image.at(x, y);
  for (int c = 0; c < image.channels(); ++c) out << (c ? ", " : "") << int(p[c]);
  out << ")";
  return out.str();
}
}  // namespace

::testing::AssertionResult SameImage(const ImageBuffer& expected, const ImageBuffer& actual) {
  if (expected.width() != actual.width() || expected.height() != actual.height() ||
      expected.channels() != actual.channels()) {
    return ::testing::AssertionFailure()
           << "expected " << expected.width() << " x " << expected.height() << " x "
           << expected.channels() << ", got " << actual.width() << " x " << actual.height() << " x "
           << actual.channels();
  }
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (std::memcmp(expected.at(x, y), actual.at(x, y), expected.channels()) != 0) {
        return ::testing::AssertionFailure()
               << "first difference at column " << x << ", buffer row " << y << ": expected "
               << describePixel(expected, x, y) << ", got " << describePixel(actual, x, y);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "trimlet-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const char* made = mkdtemp(buffer.data());
  EXPECT_NE(made, nullptr) << "cannot create a temporary folder";
  path_ = made ? made : "";
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

bool runningUnderCi() {
  const char* ci = std::getenv("CI");
  return ci && std::strcmp(ci, "true") == 0;
}

std::string corporaDir() {
  const char* override = std::getenv("TRIMLET_CORPORA_DIR");
  std::string dir = override ? override : TRIMLET_CORPORA_DIR;
  std::error_code ec;
  return std::filesystem::is_directory(dir, ec) ? dir : std::string();
}

std::vector<uint8_t> readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

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

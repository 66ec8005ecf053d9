#pragma once
// trimlet-batch run as a user runs it: a temporary folder with its own
// configuration folder, the program started through the shell with its
// output (standard output and error together) and exit status collected.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "tests/support/test_support.h"

namespace trimlet::test {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string output;
};

inline std::string quote(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline ImageBuffer page(int width, int height, int x, int y, int w, int h) {
  const uint8_t white[3] = {255, 255, 255};
  auto image = ImageBuffer::filled(width, height, 3, white);
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) {
      uint8_t* p = image->at(col, height - 1 - row);
      p[0] = 30;
      p[1] = 60;
      p[2] = 90;
    }
  return image.take();
}

class BatchProgram : public ::testing::Test {
 protected:
  BatchProgram() {
    fs::create_directories(root() + "config");
    fs::create_directories(root() + "src");
  }
  std::string root() const { return dir.path() + "/"; }

  Outcome run(const std::vector<std::string>& args, const std::string& input = "") {
    std::string line = "cd " + quote(dir.path()) +
                       " && XDG_CONFIG_HOME=" + quote(root() + "config") + " " +
                       quote(TRIMLET_BATCH_PROGRAM);
    for (const auto& a : args) line += " " + quote(a);
    if (input.empty())
      line += " </dev/null 2>&1";
    else
      line += " 2>&1 <<'EOF'\n" + input + "EOF\n";
    Outcome result;
    FILE* pipe = popen(line.c_str(), "r");
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0) result.output.append(chunk, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
  }

  void writeImage(const std::string& relative, const ImageBuffer& image) {
    const std::string path = root() + relative;
    fs::create_directories(fs::path(path).parent_path());
    ASSERT_TRUE(writeImageFile(sourceFormatOf(relative), path, image, WriteOptions()).ok());
  }

  ImageBuffer read(const std::string& relative) {
    auto image = readImageFile(sourceFormatOf(relative), root() + relative);
    EXPECT_TRUE(image.ok()) << relative << ": " << image.reason();
    return image.ok() ? image.take() : ImageBuffer();
  }

  const std::vector<std::string> autoCrop{"--set", "Auto Crop Info/Tolerance=20"};
  test::TempDir dir;
};

inline std::vector<std::string> operator+(std::vector<std::string> a,
                                          const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace trimlet::test

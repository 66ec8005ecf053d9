#include "tests/support/imagemagick.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/support/test_support.h"

namespace trimlet::test {

namespace {

std::string shellQuote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

std::string commandLine(const std::vector<std::string>& arguments) {
  std::string line = "convert";
  for (const auto& a : arguments) line += " " + shellQuote(a);
  return line;
}

}  // namespace

bool magickAvailable() {
  static const bool available = std::system("convert -version >/dev/null 2>&1") == 0;
  return available;
}

bool magickConvert(const std::vector<std::string>& arguments, std::string* errors) {
  const std::string line = commandLine(arguments) + " 2>&1";
  FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return false;
  std::string output;
  char chunk[512];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0) output.append(chunk, n);
  const int status = pclose(pipe);
  if (errors) *errors = output;
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ImageBuffer magickDecode(const std::string& path, int channels,
                         const std::vector<std::string>& extraArguments) {
  TempDir dir;
  const char* kind = channels == 4 ? "rgba" : channels == 1 ? "gray" : "rgb";
  const std::string raw = dir.file("pixels.raw");
  const std::string size = dir.file("size.txt");
  std::vector<std::string> args{path + "[0]"};
  args.insert(args.end(), extraArguments.begin(), extraArguments.end());
  args.insert(args.end(), {"-depth", "8", "-write", std::string(kind) + ":" + raw, "-format",
                           "%w %h", "info:" + size});
  std::string errors;
  if (!magickConvert(args, &errors)) {
    ADD_FAILURE() << "convert failed on " << path << ": " << errors;
    return ImageBuffer();
  }
  int width = 0, height = 0;
  FILE* f = std::fopen(size.c_str(), "r");
  if (!f || std::fscanf(f, "%d %d", &width, &height) != 2) {
    if (f) std::fclose(f);
    ADD_FAILURE() << "convert gave no size for " << path;
    return ImageBuffer();
  }
  std::fclose(f);
  const std::vector<uint8_t> bytes = readFileBytes(raw);
  auto image = ImageBuffer::create(width, height, channels);
  if (!image || bytes.size() != image->byteCount()) {
    ADD_FAILURE() << "convert gave " << bytes.size() << " bytes for " << width << " x " << height
                  << " x " << channels << " (" << path << ")";
    return ImageBuffer();
  }
  // ImageMagick writes the top row first; our buffers start at the bottom.
  for (int y = 0; y < height; ++y)
    std::memcpy(image->row(height - 1 - y), bytes.data() + image->stride() * y, image->stride());
  return image.take();
}

}  // namespace trimlet::test

// Fuzz target of the header reads: the bytes are written to a file under each
// of the four image endings and their size is read from the header. Besides
// never crashing, the header read must agree with the reader: a file the
// reader takes has the header's size, and a header the size read refuses is
// one the reader refuses too. A disagreement aborts, so the fuzzer keeps it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "imagefile/image_format.h"
#include "imagefile/image_size.h"

namespace {

// A folder of this process's own, removed when it ends.
struct Folder {
  std::string path;
  Folder() {
    char name[] = "/tmp/trimlet-size-fuzz-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    path = name;
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Folder folder;
  for (const char* ending : {"jpg", "png", "tga", "bmp"}) {
    const std::string path = folder.path + "/input." + ending;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    const trimlet::SourceFormat format = trimlet::sourceFormatOf(path);
    auto header = trimlet::readImageSize(format, path);
    if (!header && header.reason().empty()) std::abort();
    auto image = trimlet::readImageFile(format, path);
    if (image &&
        (!header || header->width != image->width() || header->height != image->height())) {
      std::fprintf(
          stderr, "%s: the reader gives %d x %d, the header read %s\n", ending, image->width(),
          image->height(),
          header ? (std::to_string(header->width) + " x " + std::to_string(header->height)).c_str()
                 : header.reason().c_str());
      std::abort();
    }
  }
  return 0;
}

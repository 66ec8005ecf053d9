#pragma once
// ImageMagick as an independent decoder and as a maker of test files.
//
// The tests build files in formats and variants our writers do not produce
// (palette bitmaps, Targa types 1/3/9/11, grey PNGs, ...) with `convert`, and
// compare our readers' pixels with ImageMagick's decoding of the same file.

#include <string>
#include <vector>

#include "engine/image/image_buffer.h"

namespace trimlet::test {

// True when the `convert` program can be run. Tests that need it skip when
// it is missing, except under CI (CI=true) where it must be there.
bool magickAvailable();
#define TRIMLET_REQUIRE_MAGICK()                                                         \
  if (!::trimlet::test::magickAvailable()) {                                             \
    if (::trimlet::test::runningUnderCi()) FAIL() << "ImageMagick's convert is missing"; \
    GTEST_SKIP() << "ImageMagick's convert is not installed";                            \
  }

// Runs `convert` with the arguments (each passed as one word). True on exit 0.
bool magickConvert(const std::vector<std::string>& arguments, std::string* errors = nullptr);

// ImageMagick's decoding of `path` as 8-bit samples with `channels` channels
// (3 rgb, 4 rgba, 1 gray), stored bottom-up like our buffers. Empty on failure.
// `extraArguments` go right after the input (for instance {"-alpha", "off"}).
ImageBuffer magickDecode(const std::string& path, int channels,
                         const std::vector<std::string>& extraArguments = {});

}  // namespace trimlet::test

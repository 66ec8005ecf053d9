#pragma once
// Overflow-checked size arithmetic for image buffers.
//
// Every pixel buffer size goes through these helpers before anything is
// allocated. The limit is that of 32-bit signed offsets: width × height × 4
// must stay below 2^31, whatever the channel count of the buffer itself, so
// that widening any image to four bytes per pixel (rotation) stays in range.

#include <cstddef>
#include <cstdint>
#include <string>

namespace trimlet {

// The smallest byte count that is refused: width × height × 4 must be below it.
constexpr int64_t kImageByteLimit = int64_t(1) << 31;

// a × b into *out; false when the product overflows size_t.
inline bool checkedMultiply(size_t a, size_t b, size_t* out) {
  if (a != 0 && b > SIZE_MAX / a) return false;
  *out = a * b;
  return true;
}

// a + b into *out; false when the sum overflows size_t.
inline bool checkedAdd(size_t a, size_t b, size_t* out) {
  if (b > SIZE_MAX - a) return false;
  *out = a + b;
  return true;
}

// True when an image of width × height pixels may exist: both at least 1 and
// width × height × 4 below kImageByteLimit. Otherwise false with *reason set.
bool imageSizeAllowed(int64_t width, int64_t height, std::string* reason);

// Bytes of a tightly packed width × height × channels buffer, or false (with a
// reason) when the size is not allowed.
bool imageByteCount(int64_t width, int64_t height, int channels, size_t* bytes,
                    std::string* reason);

}  // namespace trimlet

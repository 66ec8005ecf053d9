#include "engine/image/checked_size.h"

namespace trimlet {

bool imageSizeAllowed(int64_t width, int64_t height, std::string* reason) {
  if (width < 1 || height < 1) {
    if (reason)
      *reason = "The image size " + std::to_string(width) + " x " + std::to_string(height) +
                " is not valid.";
    return false;
  }
  // Both factors are positive; compare by division so nothing can overflow.
  const int64_t maxPixels = (kImageByteLimit - 1) / 4;
  if (width > maxPixels || height > maxPixels / width) {
    if (reason)
      *reason = "The image size " + std::to_string(width) + " x " + std::to_string(height) +
                " is too large.";
    return false;
  }
  return true;
}

bool imageByteCount(int64_t width, int64_t height, int channels, size_t* bytes,
                    std::string* reason) {
  if (channels < 1 || channels > 4) {
    if (reason) *reason = "Unsupported channel count " + std::to_string(channels) + ".";
    return false;
  }
  if (!imageSizeAllowed(width, height, reason)) return false;
  *bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * static_cast<size_t>(channels);
  return true;
}

}  // namespace trimlet

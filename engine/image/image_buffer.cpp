#include "engine/image/image_buffer.h"

#include <cstring>

#include "engine/image/checked_size.h"

namespace trimlet {

Result<ImageBuffer> ImageBuffer::create(int64_t width, int64_t height, int channels) {
  size_t bytes = 0;
  std::string reason;
  if (!imageByteCount(width, height, channels, &bytes, &reason))
    return Result<ImageBuffer>::failure(reason);
  size_t capacity = 0;
  uint8_t* block = acquireImageStorage(bytes, &capacity);
  if (!block) return Result<ImageBuffer>::failure("Out of memory.");
  std::unique_ptr<uint8_t[], ImageStorageRelease> data(block, ImageStorageRelease{capacity});
  ImageBuffer image;
  image.width_ = static_cast<int32_t>(width);
  image.height_ = static_cast<int32_t>(height);
  image.channels_ = channels;
  image.data_ = std::move(data);
  return image;
}

Result<ImageBuffer> ImageBuffer::filled(int64_t width, int64_t height, int channels,
                                        const uint8_t* pixel) {
  auto image = create(width, height, channels);
  if (!image) return image;
  uint8_t* out = image->data();
  const size_t pixels = static_cast<size_t>(image->width()) * image->height();
  if (channels == 1) {
    std::memset(out, pixel[0], pixels);
  } else {
    // Write the first row pixel by pixel, then copy it to the other rows.
    const size_t stride = image->stride();
    for (size_t i = 0; i < stride; i += channels) std::memcpy(out + i, pixel, channels);
    for (int32_t y = 1; y < image->height(); ++y) std::memcpy(image->row(y), out, stride);
  }
  return image;
}

Result<ImageBuffer> ImageBuffer::clone() const {
  if (empty()) return Result<ImageBuffer>::failure("There is no image to copy.");
  auto copy = create(width_, height_, channels_);
  if (copy) std::memcpy(copy->data(), data(), byteCount());
  return copy;
}

void ImageBuffer::reset() {
  data_.reset();
  width_ = 0;
  height_ = 0;
  channels_ = 0;
}

}  // namespace trimlet

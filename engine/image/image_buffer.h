#pragma once
// ImageBuffer: the one in-memory form of every decoded image.
//
// Layout contract
//   - rows bottom-up: row 0 is the bottom row of the picture as displayed,
//     row height - 1 the top row;
//   - channels red, green, blue, then alpha when there are four (255 opaque);
//   - rows packed tightly, no padding at the end of a row, whatever the width;
//   - the pixel at column x, buffer row y starts at (y * width + x) * channels.
// Channel counts: readers return 1 (grey), 3 or 4; inside the pipeline only 3
// and 4 occur (grey is expanded first, see pixel_layout.h).
//
// Limits: width and height are at least 1 and width * height * 4 stays below
// 2^31 (checked_size.h). create() refuses anything else with a reason and
// never allocates an overflowed size.
//
// Ownership: the buffer owns its bytes and is move-only; copies are explicit
// (clone()), because every processing step allocates a new buffer for its
// output and releases the one it replaces. The bytes come from
// acquireImageStorage (buffer_pool.h): on a thread with a BufferPoolScope a
// released buffer's block is kept for the next image instead of being freed.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/image/buffer_pool.h"
#include "engine/result.h"

namespace trimlet {

// Gives an ImageBuffer's block back to the pool of the releasing thread (or
// frees it).
struct ImageStorageRelease {
  size_t capacity = 0;
  void operator()(uint8_t* data) const { releaseImageStorage(data, capacity); }
};

class ImageBuffer {
 public:
  ImageBuffer() = default;
  ImageBuffer(ImageBuffer&&) noexcept = default;
  ImageBuffer& operator=(ImageBuffer&&) noexcept = default;
  ImageBuffer(const ImageBuffer&) = delete;
  ImageBuffer& operator=(const ImageBuffer&) = delete;

  // A new buffer of width × height × channels bytes, contents unspecified.
  // Fails with a reason on an invalid or too large size, or when the
  // allocation fails.
  static Result<ImageBuffer> create(int64_t width, int64_t height, int channels);

  // A new buffer filled with one pixel value: `pixel` holds `channels` bytes.
  static Result<ImageBuffer> filled(int64_t width, int64_t height, int channels,
                                    const uint8_t* pixel);

  Result<ImageBuffer> clone() const;

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  int channels() const { return channels_; }
  bool empty() const { return data_ == nullptr; }
  size_t stride() const { return static_cast<size_t>(width_) * channels_; }
  size_t byteCount() const { return stride() * static_cast<size_t>(height_); }

  uint8_t* data() { return data_.get(); }
  const uint8_t* data() const { return data_.get(); }
  uint8_t* row(int32_t y) { return data_.get() + stride() * static_cast<size_t>(y); }
  const uint8_t* row(int32_t y) const { return data_.get() + stride() * static_cast<size_t>(y); }
  uint8_t* at(int32_t x, int32_t y) { return row(y) + static_cast<size_t>(x) * channels_; }
  const uint8_t* at(int32_t x, int32_t y) const {
    return row(y) + static_cast<size_t>(x) * channels_;
  }

  // Releases the pixels; the buffer becomes empty (0 × 0, no channels).
  void reset();

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  int channels_ = 0;
  std::unique_ptr<uint8_t[], ImageStorageRelease> data_;
};

}  // namespace trimlet

#pragma once
// ImageView: read-only access to pixels that live in an ImageBuffer, either
// the whole buffer or a box of it, for code that only reads them (the file
// writers). It lets a result that is a plain box of the decoded source be
// written without copying the box out first.
//
// Layout: as ImageBuffer (rows bottom-up, red, green, blue, then alpha), but
// rows may lie `pitch` bytes apart: a box's rows keep the source's row
// distance. row(y) is the first pixel of the view's row y.
//
// Lifetime: a view owns nothing; the buffer must outlive it and keep its
// size. A box that does not lie inside the buffer gives an empty view.

#include <cstddef>
#include <cstdint>

#include "engine/image/image_buffer.h"

namespace trimlet {

class ImageView {
 public:
  ImageView() = default;
  // The whole buffer (implicit: anything that reads an ImageBuffer reads it).
  ImageView(const ImageBuffer& image)  // NOLINT(google-explicit-constructor)
      : base_(image.data()),
        width_(image.width()),
        height_(image.height()),
        channels_(image.channels()),
        pitch_(image.stride()) {}

  // Columns left .. left + width - 1 of buffer rows top .. top + height - 1.
  static ImageView box(const ImageBuffer& image, int32_t left, int32_t top, int32_t width,
                       int32_t height) {
    ImageView view;
    if (image.empty() || left < 0 || top < 0 || width < 1 || height < 1 ||
        width > image.width() - left || height > image.height() - top)
      return view;
    view.base_ = image.at(left, top);
    view.width_ = width;
    view.height_ = height;
    view.channels_ = image.channels();
    view.pitch_ = image.stride();
    return view;
  }

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  int channels() const { return channels_; }
  bool empty() const { return base_ == nullptr; }
  // The bytes of one row's pixels (not the distance between rows).
  size_t rowBytes() const { return static_cast<size_t>(width_) * channels_; }
  const uint8_t* row(int32_t y) const { return base_ + pitch_ * static_cast<size_t>(y); }

 private:
  const uint8_t* base_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int channels_ = 0;
  size_t pitch_ = 0;
};

}  // namespace trimlet

#include "engine/image/pixel_layout.h"

#include <cstring>

namespace trimlet {

Result<ImageBuffer> expandGrey(const ImageBuffer& source) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to expand.");
  if (source.channels() != 1) return source.clone();
  auto out = ImageBuffer::create(source.width(), source.height(), 3);
  if (!out) return out;
  const size_t pixels = static_cast<size_t>(source.width()) * source.height();
  const uint8_t* in = source.data();
  uint8_t* o = out->data();
  for (size_t i = 0; i < pixels; ++i, o += 3) o[0] = o[1] = o[2] = in[i];
  return out;
}

bool keepAlphaFor(int readerChannels, OutputFormat outputFormat) {
  return readerChannels == 4 &&
         (outputFormat == OutputFormat::kTarga || outputFormat == OutputFormat::kPng);
}

Result<ImageBuffer> widenToFour(const ImageBuffer& source, bool keepAlpha) {
  if (source.empty() || source.channels() < 3)
    return Result<ImageBuffer>::failure("Only three- or four-channel images can be widened.");
  auto out = ImageBuffer::create(source.width(), source.height(), 4);
  if (!out) return out;
  const size_t pixels = static_cast<size_t>(source.width()) * source.height();
  const int step = source.channels();
  const bool ownAlpha = keepAlpha && step == 4;
  const uint8_t* in = source.data();
  uint8_t* o = out->data();
  for (size_t i = 0; i < pixels; ++i, in += step, o += 4) {
    o[0] = in[0];
    o[1] = in[1];
    o[2] = in[2];
    o[3] = ownAlpha ? in[3] : 0;
  }
  return out;
}

Result<ImageBuffer> narrowFromFour(const ImageBuffer& source, bool keepAlpha) {
  if (source.empty() || source.channels() != 4)
    return Result<ImageBuffer>::failure("Only four-channel images can be narrowed.");
  if (keepAlpha) return source.clone();
  auto out = ImageBuffer::create(source.width(), source.height(), 3);
  if (!out) return out;
  const size_t pixels = static_cast<size_t>(source.width()) * source.height();
  const uint8_t* in = source.data();
  uint8_t* o = out->data();
  for (size_t i = 0; i < pixels; ++i, in += 4, o += 3) {
    o[0] = in[0];
    o[1] = in[1];
    o[2] = in[2];
  }
  return out;
}

}  // namespace trimlet

// Exact quarter turns. With rows counted upward (row 0 at the bottom), the
// source pixel at column x, row y goes to
//   90:  column y,         row W - 1 - x   (size H x W)
//   180: column W - 1 - x, row H - 1 - y   (size W x H)
//   270: column H - 1 - y, row x           (size H x W)
// which turns the picture clockwise as displayed.

#include <algorithm>
#include <cstring>

#include "engine/geometry/parallel_parts.h"
#include "engine/geometry/quarter_view.h"
#include "engine/geometry/rotate.h"
#include "engine/geometry/rotate_workers.h"

namespace trimlet {
namespace geometry_detail {

QuarterView quarterView(const ImageBuffer& source, int quarters) {
  const ptrdiff_t w = source.width();
  const ptrdiff_t h = source.height();
  QuarterView view;
  view.pixels = source.data();
  view.channels = source.channels();
  switch (((quarters % 4) + 4) % 4) {
    case 0:  // (X, Y) is (x, y)
      view.width = source.width();
      view.height = source.height();
      view.origin = 0;
      view.pixelStep = 1;
      view.rowStep = w;
      break;
    case 1:  // (X, Y) comes from x = W - 1 - Y, y = X
      view.width = source.height();
      view.height = source.width();
      view.origin = w - 1;
      view.pixelStep = w;
      view.rowStep = -1;
      break;
    case 2:  // (X, Y) comes from x = W - 1 - X, y = H - 1 - Y
      view.width = source.width();
      view.height = source.height();
      view.origin = w * h - 1;
      view.pixelStep = -1;
      view.rowStep = -w;
      break;
    default:  // 3: (X, Y) comes from x = Y, y = H - 1 - X
      view.width = source.height();
      view.height = source.width();
      view.origin = (h - 1) * w;
      view.pixelStep = -w;
      view.rowStep = 1;
      break;
  }
  return view;
}

}  // namespace geometry_detail

namespace {

// A quarter turn reads the source across its rows, so it copies in square
// tiles, which keep those rows in the cache while they are used. A half turn
// reads rows backwards and needs no tiles.
constexpr int kTile = 32;

template <int C>
void copyTurned(const geometry_detail::QuarterView& v, uint8_t* out, int begin, int end) {
  const size_t outStride = static_cast<size_t>(v.width) * C;
  if (v.pixelStep == 1 || v.pixelStep == -1) {
    for (int y = begin; y < end; ++y) {
      const uint8_t* source = v.pixels + (v.origin + y * v.rowStep) * C;
      uint8_t* o = out + y * outStride;
      if (v.pixelStep == 1) {
        std::memcpy(o, source, outStride);
      } else {
        for (int x = 0; x < v.width; ++x) std::memcpy(o + x * C, source - x * C, C);
      }
    }
    return;
  }
  // Locals, not the view's fields: the byte stores could alias those, and
  // the compiler would read them again for every pixel.
  const uint8_t* const pixels = v.pixels;
  const ptrdiff_t origin = v.origin, pixelStep = v.pixelStep, rowStep = v.rowStep;
  const int width = v.width;
  for (int y0 = begin; y0 < end; y0 += kTile)
    for (int x0 = 0; x0 < width; x0 += kTile) {
      const int y1 = std::min(y0 + kTile, end), x1 = std::min(x0 + kTile, width);
      for (int y = y0; y < y1; ++y) {
        ptrdiff_t index = origin + y * rowStep + x0 * pixelStep;
        uint8_t* o = out + y * outStride + static_cast<size_t>(x0) * C;
        for (int x = x0; x < x1; ++x, index += pixelStep, o += C)
          std::memcpy(o, pixels + index * C, C);
      }
    }
}

}  // namespace

Result<ImageBuffer> quarterTurnWithWorkers(const ImageBuffer& source, int quarters,
                                           int maxWorkers) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to turn.");
  const geometry_detail::QuarterView view = geometry_detail::quarterView(source, quarters);
  auto out = ImageBuffer::create(view.width, view.height, source.channels());
  if (!out) return out;
  const int64_t pixels = int64_t(view.width) * view.height;
  uint8_t* bytes = out->data();
  geometry_detail::runInParts(view.height, geometry_detail::workersFor(pixels, maxWorkers),
                              [&view, bytes, &source](int, int begin, int end) {
                                switch (source.channels()) {
                                  case 1: copyTurned<1>(view, bytes, begin, end); break;
                                  case 2: copyTurned<2>(view, bytes, begin, end); break;
                                  case 3: copyTurned<3>(view, bytes, begin, end); break;
                                  default: copyTurned<4>(view, bytes, begin, end); break;
                                }
                              });
  return out;
}

Result<ImageBuffer> quarterTurn(const ImageBuffer& source, int quarters) {
  return quarterTurnWithWorkers(source, quarters, geometry_detail::kMaxWorkers);
}

}  // namespace trimlet

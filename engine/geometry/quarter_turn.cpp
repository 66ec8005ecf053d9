// Exact quarter turns. With rows counted upward (row 0 at the bottom), the
// source pixel at column x, row y goes to
//   90:  column y,         row W - 1 - x   (size H x W)
//   180: column W - 1 - x, row H - 1 - y   (size W x H)
//   270: column H - 1 - y, row x           (size H x W)
// which turns the picture clockwise as displayed.

#include <algorithm>
#include <cstring>

#include "engine/geometry/quarter_view.h"
#include "engine/geometry/rotate.h"

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

// Copies in square tiles: a turn reads the source across its rows, and a
// tile keeps those rows in the cache while they are used.
constexpr int kTile = 32;

template <int C>
void copyTurned(const geometry_detail::QuarterView& v, uint8_t* out) {
  const size_t outStride = static_cast<size_t>(v.width) * C;
  for (int y0 = 0; y0 < v.height; y0 += kTile)
    for (int x0 = 0; x0 < v.width; x0 += kTile) {
      const int y1 = std::min(y0 + kTile, v.height), x1 = std::min(x0 + kTile, v.width);
      for (int y = y0; y < y1; ++y) {
        ptrdiff_t index = v.origin + y * v.rowStep + x0 * v.pixelStep;
        uint8_t* o = out + y * outStride + static_cast<size_t>(x0) * C;
        for (int x = x0; x < x1; ++x, index += v.pixelStep, o += C)
          std::memcpy(o, v.pixels + index * C, C);
      }
    }
}

}  // namespace

Result<ImageBuffer> quarterTurn(const ImageBuffer& source, int quarters) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to turn.");
  const geometry_detail::QuarterView view = geometry_detail::quarterView(source, quarters);
  auto out = ImageBuffer::create(view.width, view.height, source.channels());
  if (!out) return out;
  switch (source.channels()) {
    case 1: copyTurned<1>(view, out->data()); break;
    case 2: copyTurned<2>(view, out->data()); break;
    case 3: copyTurned<3>(view, out->data()); break;
    default: copyTurned<4>(view, out->data()); break;
  }
  return out;
}

}  // namespace trimlet

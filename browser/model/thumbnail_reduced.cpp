// The thumbnail from a reduced copy, weighed to match the whole picture's.
// See thumbnail_reduced.h.
//
// Positions are counted in units of 1/n of a picture pixel, so that both a
// picture pixel (n units) and a reduced pixel (8 units) are whole numbers
// of them. Along an axis of L pixels the reduced pixels are cells of 8
// units laid from the end opposite the short cell; the short cell keeps
// what is left of the L n units.
#include "browser/model/thumbnail_reduced.h"

#include <algorithm>
#include <string>

#include "browser/model/thumbnail_scale.h"
#include "engine/image/checked_size.h"
#include "imagefile/orientation_axes.h"

namespace trimlet {

namespace {

constexpr int64_t kCell = 8;

// One output position's share of the cells: cells first ... first +
// weights.size() - 1 with those weights (units).
struct Span {
  int64_t first = 0;
  std::vector<int64_t> weights;
};

// The spans of `count` output positions whose blocks are `block` units
// long, from unit 0, over an axis of `units` units cut into `cells` cells.
std::vector<Span> spansOf(int count, int64_t block, int64_t units, int64_t cells, bool shortFirst) {
  // Where cell 0 would start if it were whole; negative when it is short.
  const int64_t origin = shortFirst ? units - cells * kCell : 0;
  std::vector<Span> spans(static_cast<size_t>(count));
  for (int t = 0; t < count; ++t) {
    const int64_t from = block * t, to = block * (t + 1);
    Span& span = spans[static_cast<size_t>(t)];
    span.first = (from - origin) / kCell;
    for (int64_t cell = span.first; cell * kCell + origin < to; ++cell) {
      const int64_t lo = std::max(from, cell * kCell + origin);
      const int64_t hi = std::min(to, (cell + 1) * kCell + origin);
      span.weights.push_back(hi - lo);
    }
  }
  return spans;
}

int64_t cellsOf(int64_t length, int eighths) { return (length * eighths + kCell - 1) / kCell; }

}  // namespace

int ThumbnailEighths(int64_t width, int64_t height) {
  const ThumbnailPlacement p = PlaceThumbnail(width, height);
  return p.factor < 1 || p.factor >= kCell ? 1 : static_cast<int>(kCell);
}

ReducedPicture ReducedPictureOf(int64_t storedWidth, int64_t storedHeight, int eighths,
                                int orientation) {
  const OrientedAxes axes = uprightAxes(orientation);
  ReducedPicture picture;
  picture.width = axes.swapped ? storedHeight : storedWidth;
  picture.height = axes.swapped ? storedWidth : storedHeight;
  picture.eighths = eighths;
  // The decoder's short column is the stored rightmost, its short row the
  // stored bottom one, first in bottom-up order.
  picture.shortColumnFirst = axes.columnsReversed;
  picture.shortRowFirst = !axes.rowsReversed;
  return picture;
}

Result<std::vector<uint8_t>> ScaleReducedToThumbnail(const DibRows& rows,
                                                     const ReducedPicture& picture) {
  using R = Result<std::vector<uint8_t>>;
  const int n = picture.eighths;
  if (n < 1 || n > kCell)
    return R::failure("The reduced scale " + std::to_string(n) + "/8 is not one of 1/8 to 8/8.");
  std::string reason;
  if (!imageSizeAllowed(picture.width, picture.height, &reason)) return R::failure(reason);
  const ThumbnailPlacement p = PlaceThumbnail(picture.width, picture.height);
  if (p.w < 1 || p.h < 1) return R::failure("The image is too narrow for a thumbnail.");
  const int64_t columns = cellsOf(picture.width, n), rowCount = cellsOf(picture.height, n);
  size_t needed = 0;
  if (rows.width != columns || rows.height != rowCount || rows.padding < 0 ||
      !checkedMultiply(rows.stride(), static_cast<size_t>(rows.height), &needed) ||
      rows.bytes.size() < needed)
    return R::failure("The reduced picture does not match the picture's size.");

  const int64_t block = int64_t(p.factor) * n;
  const std::vector<Span> across =
      spansOf(p.w, block, picture.width * n, columns, picture.shortColumnFirst);
  const std::vector<Span> up =
      spansOf(p.h, block, picture.height * n, rowCount, picture.shortRowFirst);

  // Each output pixel's sum of weight x value stays below block^2 x 255,
  // which the size limit keeps far inside 64 bits.
  std::vector<uint8_t> thumb(kThumbnailBytes, 255);
  const uint64_t area = static_cast<uint64_t>(block) * static_cast<uint64_t>(block);
  std::vector<uint64_t> sums(static_cast<size_t>(p.w) * 3);
  for (int u = 0; u < p.h; ++u) {
    std::fill(sums.begin(), sums.end(), 0);
    const Span& rowSpan = up[static_cast<size_t>(u)];
    for (size_t r = 0; r < rowSpan.weights.size(); ++r) {
      const uint64_t rowWeight = static_cast<uint64_t>(rowSpan.weights[r]);
      const uint8_t* row =
          rows.bytes.data() + rows.stride() * static_cast<size_t>(rowSpan.first + r);
      for (int t = 0; t < p.w; ++t) {
        const Span& columnSpan = across[static_cast<size_t>(t)];
        const uint8_t* in = row + static_cast<size_t>(columnSpan.first) * 3;
        uint64_t* sum = sums.data() + static_cast<size_t>(t) * 3;
        for (size_t c = 0; c < columnSpan.weights.size(); ++c, in += 3) {
          const uint64_t weight = rowWeight * static_cast<uint64_t>(columnSpan.weights[c]);
          sum[0] += weight * in[0];
          sum[1] += weight * in[1];
          sum[2] += weight * in[2];
        }
      }
    }
    uint8_t* out = thumb.data() + (static_cast<size_t>(p.y0 + u) * kThumbnailSize + p.x0) * 3;
    for (size_t k = 0; k < sums.size(); ++k) out[k] = static_cast<uint8_t>(sums[k] / area);
  }
  return thumb;
}

}  // namespace trimlet

// The 48 x 48 block-averaging scaler.
#include "browser/model/thumbnail_scale.h"

#include <algorithm>

#include "engine/image/checked_size.h"

namespace trimlet {

namespace {

constexpr int kT = kThumbnailSize;

}  // namespace

ThumbnailPlacement PlaceThumbnail(int64_t W, int64_t H) {
  ThumbnailPlacement p;
  if (W >= H && W >= kT) {
    p.w = kT;
    p.h = static_cast<int>(H * kT / W);
    p.y0 = (kT - p.h) >> 1;
  } else if (W < H && H >= kT) {
    p.h = kT;
    p.w = static_cast<int>(W * kT / H);
    p.x0 = (kT - p.w) >> 1;
  } else {
    p.w = static_cast<int>(W);
    p.h = static_cast<int>(H);
    p.x0 = (kT - p.w) >> 1;
    p.y0 = (kT - p.h) >> 1;
  }
  if (p.w >= 1 && p.h >= 1) p.factor = static_cast<int>(std::min(W / p.w, H / p.h));
  return p;
}

Result<std::vector<uint8_t>> ScaleToThumbnail(const uint8_t* rows, int width, int height,
                                              int padding) {
  using R = Result<std::vector<uint8_t>>;
  if (rows == nullptr || width < 1 || height < 1 || padding < 0)
    return R::failure("The image has no pixels.");
  const ThumbnailPlacement p = PlaceThumbnail(width, height);
  if (p.w < 1 || p.h < 1) return R::failure("The image is too narrow for a thumbnail.");
  const int f = p.factor;

  std::vector<uint64_t> sums(static_cast<size_t>(kT) * kT * 3, 0);
  const size_t stride = static_cast<size_t>(width) * 3 + static_cast<size_t>(padding);
  const int usedRows = f * p.h;
  const int usedColumns = f * p.w;
  for (int row = 0; row < usedRows; ++row) {
    const uint8_t* in = rows + stride * static_cast<size_t>(row);
    uint64_t* out = sums.data() + (static_cast<size_t>(p.y0 + row / f) * kT + p.x0) * 3;
    for (int col = 0; col < usedColumns; ++col, in += 3) {
      uint64_t* o = out + static_cast<size_t>(col / f) * 3;
      o[0] += in[0];
      o[1] += in[1];
      o[2] += in[2];
    }
  }

  std::vector<uint8_t> thumb(kThumbnailBytes, 255);
  const uint64_t blockArea = static_cast<uint64_t>(f) * static_cast<uint64_t>(f);
  for (int y = p.y0; y < p.y0 + p.h; ++y)
    for (int x = p.x0; x < p.x0 + p.w; ++x)
      for (int c = 0; c < 3; ++c) {
        const size_t k = (static_cast<size_t>(y) * kT + x) * 3 + c;
        thumb[k] = static_cast<uint8_t>(sums[k] / blockArea);
      }
  return thumb;
}

Result<std::vector<uint8_t>> ScaleToThumbnail(const DibRows& rows) {
  size_t needed = 0;
  if (rows.width < 1 || rows.height < 1 ||
      !checkedMultiply(rows.stride(), static_cast<size_t>(rows.height), &needed) ||
      rows.bytes.size() < needed)
    return Result<std::vector<uint8_t>>::failure("The image has no pixels.");
  return ScaleToThumbnail(rows.bytes.data(), rows.width, rows.height, rows.padding);
}

std::vector<uint32_t> ThumbnailArgb(const std::vector<uint8_t>& thumbnail) {
  std::vector<uint32_t> argb;
  if (thumbnail.size() != static_cast<size_t>(kThumbnailBytes)) return argb;
  argb.resize(static_cast<size_t>(kT) * kT);
  for (int y = 0; y < kT; ++y) {
    // Row 0 of the thumbnail is its bottom row.
    const uint8_t* in = thumbnail.data() + static_cast<size_t>(kT - 1 - y) * kT * 3;
    uint32_t* out = argb.data() + static_cast<size_t>(y) * kT;
    for (int x = 0; x < kT; ++x, in += 3) {
      const uint32_t rgb = (uint32_t(in[2]) << 16) | (uint32_t(in[1]) << 8) | in[0];
      out[x] = rgb == 0xFFFFFFu ? 0x00FFFFFFu : (0xFF000000u | rgb);
    }
  }
  return argb;
}

}  // namespace trimlet

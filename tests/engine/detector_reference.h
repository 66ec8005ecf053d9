#pragma once
// Straightforward versions of the detector's steps, written for the tests:
// the noise filter counting every window in full and the four rectangle scans
// column by column, exactly as described for the detector. The fast versions
// must give the same answers.

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <utility>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/image_buffer.h"

namespace trimlet {

inline void PrintTo(const DetectedRect& r, std::ostream* os) {
  *os << "(left " << r.left << ", top " << r.top << ", right " << r.right << ", bottom " << r.bottom
      << ")";
}

namespace test {

// Counts the window of filterSize / 2 around every pixel, clipped to the image.
inline std::vector<uint8_t> bruteForceFilter(const std::vector<uint8_t>& mask, int width,
                                             int height, int filterSize, int threshold) {
  if (filterSize == 1) return mask;
  const int r = filterSize / 2;
  std::vector<uint8_t> out(mask.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Positions of the window outside the image are not counted.
      int count = 0;
      for (int wy = std::max(0, y - r); wy <= std::min(height - 1, y + r); ++wy) {
        for (int wx = std::max(0, x - r); wx <= std::min(width - 1, x + r); ++wx) {
          if (mask[wy * width + wx]) ++count;
        }
      }
      out[y * width + x] = count >= threshold ? 1 : 0;
    }
  }
  return out;
}

struct ReferenceScan {
  DetectedRect rect;
  int topHitColumn;
  int leftHitRow;
  int rightHitRow;
};

// The four scans, literally: rows for top and bottom, columns for left and
// right. Hit points start at the given previous values.
inline ReferenceScan referenceScan(const std::vector<uint8_t>& m, int width, int height, int topHit,
                                   int leftHit, int rightHit) {
  ReferenceScan s{{}, topHit, leftHit, rightHit};
  auto at = [&](int x, int y) { return m[y * width + x] != 0; };
  bool found = false;
  for (int y = 0; y < height && !found; ++y) {
    for (int x = 0; x < width && !found; ++x) {
      if (at(x, y)) {
        s.rect.top = y;
        s.topHitColumn = x;
        found = true;
      }
    }
  }
  found = false;
  for (int y = height - 1; y >= s.rect.top && !found; --y) {
    for (int x = 0; x < width && !found; ++x) {
      if (at(x, y)) {
        s.rect.bottom = y;
        found = true;
      }
    }
  }
  found = false;
  for (int x = 0; x < width && !found; ++x) {
    for (int y = s.rect.top; y <= s.rect.bottom && !found; ++y) {
      if (at(x, y)) {
        s.rect.left = x;
        s.leftHitRow = y;
        found = true;
      }
    }
  }
  found = false;
  for (int x = width - 1; x >= s.rect.left && !found; --x) {
    for (int y = s.rect.top; y <= s.rect.bottom && !found; ++y) {
      if (at(x, y)) {
        s.rect.right = x;
        s.rightHitRow = y;
        found = true;
      }
    }
  }
  return s;
}

// A white three-channel image with black pixels at the given buffer
// coordinates (column, row counted from the bottom).
inline ImageBuffer pictureWithDots(int width, int height,
                                   const std::vector<std::pair<int, int>>& dots, uint8_t ink = 0) {
  const uint8_t white[3] = {255, 255, 255};
  ImageBuffer image = ImageBuffer::filled(width, height, 3, white).take();
  for (const auto& [x, y] : dots) {
    uint8_t* p = image.at(x, y);
    p[0] = p[1] = p[2] = ink;
  }
  return image;
}

}  // namespace test
}  // namespace trimlet

// Run-length encoded bitmaps, 8 bits (compression 1) and 4 bits (2).
//
// The data is a sequence of byte pairs (n, v):
//   n > 0          a run of n pixels: index v (8 bits), or the two nibbles of
//                  v in turn, high first (4 bits)
//   n = 0, v = 0   end of line: the next row, column 0
//   n = 0, v = 1   end of bitmap
//   n = 0, v = 2   delta: the next two bytes move the cursor right and up
//   n = 0, v >= 3  an absolute run of v pixels stored in the following bytes
//                  (one per pixel, or two per byte), padded to an even count
// Rows run bottom-up: "up" is the next stored row.
//
// Some encoders (ImageMagick among them) encode each row's padding as well,
// so a row may hold as many pixels as its stored bytes would: those beyond
// the width are dropped. A run beyond even that is refused.
#include "imagefile/bitmap_decode.h"

namespace trimlet {

namespace {

class RleCursor {
 public:
  RleCursor(const BitmapInfo& info, ImageBuffer* image) : info_(info), image_(image) {
    // Pixels of a stored row with its padding to four bytes.
    const int64_t bits = info.width * info.bitsPerPixel;
    rowPixels_ = (bits + 31) / 32 * 32 / info.bitsPerPixel;
  }

  // Room for `count` more pixels in the current (padded) row of the image.
  bool fits(int64_t count) const { return y_ < info_.height && count <= rowPixels_ - x_; }

  // Sets the next pixel to colour-table entry `index`.
  bool put(unsigned index) {
    if (index >= info_.palette.size()) return false;
    if (image_ && x_ < info_.width) {
      const BitmapRgb& c = info_.palette[index];
      uint8_t* out = image_->at(static_cast<int32_t>(x_), static_cast<int32_t>(y_));
      out[0] = c.red;
      out[1] = c.green;
      out[2] = c.blue;
    }
    ++x_;
    return true;
  }

  void endOfLine() {
    x_ = 0;
    if (y_ < info_.height) ++y_;
  }
  bool move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    return x_ <= rowPixels_ && y_ <= info_.height;
  }

 private:
  const BitmapInfo& info_;
  ImageBuffer* image_;
  int64_t rowPixels_ = 0;
  int64_t x_ = 0;
  int64_t y_ = 0;
};

}  // namespace

Status decodeBitmapRle(const BitmapInfo& info, const uint8_t* data, size_t size,
                       ImageBuffer* image) {
  const Status error = Status::failure(kDibConversionError);
  const bool four = info.compression == kBitmapRle4;
  RleCursor cursor(info, image);
  size_t pos = info.pixelOffset;
  for (;;) {
    if (size - pos < 2) return error;  // the data ends before the end of bitmap
    const int n = data[pos];
    const int v = data[pos + 1];
    pos += 2;
    if (n > 0) {
      if (!cursor.fits(n)) return error;
      for (int k = 0; k < n; ++k) {
        const unsigned index = four ? ((k & 1) ? v & 15 : v >> 4) : v;
        if (!cursor.put(index)) return error;
      }
      continue;
    }
    switch (v) {
      case 0: cursor.endOfLine(); break;
      case 1: return Status::success();
      case 2:
        if (size - pos < 2 || !cursor.move(data[pos], data[pos + 1])) return error;
        pos += 2;
        break;
      default: {
        const size_t bytes = four ? (static_cast<size_t>(v) + 1) / 2 : static_cast<size_t>(v);
        const size_t padded = (bytes + 1) & ~size_t(1);
        if (size - pos < padded || !cursor.fits(v)) return error;
        for (int k = 0; k < v; ++k) {
          const uint8_t b = data[pos + (four ? k / 2 : k)];
          const unsigned index = four ? ((k & 1) ? b & 15 : b >> 4) : b;
          if (!cursor.put(index)) return error;
        }
        pos += padded;
        break;
      }
    }
  }
}

}  // namespace trimlet

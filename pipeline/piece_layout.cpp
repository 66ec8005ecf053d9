// The pieces of a split as the window shows them (see piece_layout.h).
#include "pipeline/piece_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/detect/min_area_rect.h"

namespace trimlet {

int pieceGap(int tallest) { return std::max(8, tallest / 32); }

Result<std::vector<PiecePlace>> piecePlaces(const std::vector<CropPiece>& pieces, int* width,
                                            int* height) {
  int tallest = 0;
  for (const CropPiece& piece : pieces) tallest = std::max(tallest, piece.image.height());
  const int64_t gap = pieceGap(tallest);
  std::vector<PiecePlace> places;
  int64_t x = 0;
  for (const CropPiece& piece : pieces) {
    if (!places.empty()) x += gap;
    if (x + piece.image.width() > INT_MAX) {
      return Result<std::vector<PiecePlace>>::failure(
          "The photos are too large to be shown side by side.");
    }
    places.push_back(PiecePlace{int(x), 0, piece.image.width(), piece.image.height()});
    x += piece.image.width();
  }
  *width = int(x);
  *height = tallest;
  return places;
}

Result<ImageBuffer> composePieces(const std::vector<CropPiece>& pieces, Rgb background) {
  if (pieces.empty() || pieces.front().image.empty())
    return Result<ImageBuffer>::failure("There are no photos to show.");
  const int channels = pieces.front().image.channels();
  for (const CropPiece& piece : pieces) {
    if (piece.image.empty() || piece.image.channels() != channels)
      return Result<ImageBuffer>::failure("The photos cannot be shown side by side.");
  }
  int width = 0, height = 0;
  auto places = piecePlaces(pieces, &width, &height);
  if (!places) return Result<ImageBuffer>::failure(places.reason());
  uint8_t fill[4];
  background.toPixel(fill, channels);
  auto composite = ImageBuffer::filled(width, height, channels, fill);
  if (!composite) return composite;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const ImageBuffer& image = pieces[i].image;
    const PiecePlace& place = (*places)[i];
    // Tops aligned: the piece's top row is the composite's top row, and rows
    // are stored bottom-up.
    const int firstRow = height - place.height;
    for (int y = 0; y < image.height(); ++y) {
      std::memcpy(composite->at(place.x, firstRow + y), image.row(y), image.stride());
    }
  }
  return composite;
}

std::array<PicturePoint, 4> outlineCorners(const CropPiece& piece, int sourceHeight) {
  const RotatedRect& r = piece.outline;
  const double radians = r.degrees / kDegreesPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  // Round the rectangle: (-,-), (+,-), (+,+), (-,+) along its own axes.
  static const int kSigns[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  std::array<PicturePoint, 4> corners;
  for (int i = 0; i < 4; ++i) {
    const double u = kSigns[i][0] * r.width / 2, v = kSigns[i][1] * r.height / 2;
    const double x = r.centerX + u * c - v * s, y = r.centerY + u * s + v * c;
    // Buffer rows grow upward from the picture's bottom.
    corners[size_t(i)] = PicturePoint{x, sourceHeight - y};
  }
  return corners;
}

}  // namespace trimlet

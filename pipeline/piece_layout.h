#pragma once
// The pieces of a split as the window shows them: side by side in the result
// view, outlined in the source view.
//
//   piecePlaces    where each piece lies in the composite: left to right in
//                  their order, tops aligned, kept apart by pieceGap(tallest)
//                  columns (at least 8, a thirty-second of the tallest
//                  piece, so the gap stays visible when the view is scaled
//                  down). Picture coordinates, from the composite's top-left.
//   composePieces  the composite itself: `background` everywhere (alpha 0
//                  with four channels), each piece's image copied to its
//                  place; the channel count of the first piece, which all
//                  pieces of one outcome share. Each piece's `image` must be
//                  set (crop_road.h: an outcome of several pieces). Fails on
//                  no pieces, differing channel counts, a composite larger
//                  than an ImageBuffer may be, or memory.
//   outlineCorners a piece's measured outline as four points in picture
//                  coordinates of the source (x from the left, y from the
//                  top, pixel corners), going round the outline; what the
//                  source view draws.

#include <array>
#include <vector>

#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "pipeline/crop_road.h"

namespace trimlet {

struct PiecePlace {
  int x = 0;  // left column of the piece in the composite
  int y = 0;  // top row, counted from the composite's top
  int width = 0;
  int height = 0;
};

struct PicturePoint {
  double x = 0;
  double y = 0;
};

int pieceGap(int tallest);

// The places, and the composite's width and height in *width, *height.
// Fails when the composite would be too wide for an int.
Result<std::vector<PiecePlace>> piecePlaces(const std::vector<CropPiece>& pieces, int* width,
                                            int* height);

Result<ImageBuffer> composePieces(const std::vector<CropPiece>& pieces, Rgb background);

std::array<PicturePoint, 4> outlineCorners(const CropPiece& piece, int sourceHeight);

}  // namespace trimlet

#pragma once
// Reading order of regions on a page: rows of regions whose vertical extents
// overlap (share at least one pixel row), the top row first, left to right
// within a row.
//
// Boxes are in the detector's convention (buffer rows, row 0 the picture's
// bottom, `top` the smallest row index), so the top row of the page as
// displayed holds the largest row indices. A row grows while the next box
// (taken by its highest pixel row, highest first) reaches into the rows
// already spanned, so a chain of overlapping boxes forms one row. Within a
// row boxes go by left column, then the higher first; equal boxes keep their
// given order.

#include <vector>

#include "engine/detect/background_detector.h"

namespace trimlet {

// The indices of `boxes` in reading order.
std::vector<int> readingOrder(const std::vector<DetectedRect>& boxes);

}  // namespace trimlet

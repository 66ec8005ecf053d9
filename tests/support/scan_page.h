#pragma once
// Generated album pages for the straightening and splitting tests and the
// benchmark: one to six photographs of different sizes and tilts on a white
// scanner bed, with soft edges, a soft shadow below and right of each photo,
// dust specks, sensor noise and JPEG-like block noise. The same recipe and seed
// always give the same page. Dust stays clear of the photos' borders, so that
// a photo's true size is what a tight cut should give. Needs only the engine (no test framework),
// so the benchmark can use it too.
//
// Layout: the page is divided into a grid of cells (1 x 1 for one photo, 2 x 1
// for two, 2 x 2 for three or four, 3 x 2 for five or six; with three or five
// one cell at random stays empty). Each photo lies inside its cell, clear of
// the cell's edges, and its box reaches across the middle row of its row of
// cells, so the photos of one row of cells form one row in reading order and
// `photos` lists them in reading order.
//
// Coordinates are buffer coordinates (row 0 the picture's bottom, y up), with
// pixel (x, y) covering x .. x + 1, y .. y + 1.

#include <cstdint>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/color.h"
#include "engine/image/image_buffer.h"

namespace trimlet::test {

struct PageRecipe {
  int width = 1000;
  int height = 750;
  int photos = 3;  // 1 .. 6
  uint32_t seed = 1;
  double maxDegrees = 10;  // tilts drawn from -maxDegrees .. maxDegrees
  int dust = 300;          // specks of one to four pixels (the default filter removes them)
  int largeDust = 12;      // specks of nine to sixteen pixels (the filter keeps them)
  bool shadows = true;
  bool jpegNoise = true;
  int channels = 3;  // 3, or 4 with alpha 255
};

struct PagePhoto {
  double centerX = 0;
  double centerY = 0;
  int width = 0;   // along `degrees`
  int height = 0;  // at right angles to it
  // Counter-clockwise lean as displayed: the turn rotateImage needs to make
  // the photo upright.
  double degrees = 0;
  DetectedRect box;  // pixels the photo touches (inclusive, detector convention)
};

struct ScanPage {
  ImageBuffer image;  // empty when the size is not allowed
  std::vector<PagePhoto> photos;
  Rgb paper;  // the bed's colour before noise
};

ScanPage makeScanPage(const PageRecipe& recipe);

}  // namespace trimlet::test

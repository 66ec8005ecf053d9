#pragma once
// The manual cropping window's image work, without a window.
//
//   loadManualSource  the file read by the reader of its last three letters;
//                     grey widened to three bytes; `fourChannel` tells whether
//                     the picture has an alpha byte. The picture is also kept
//                     at four bytes a pixel (alpha 0 for three), the form the
//                     rotation works on, so that a turn does not widen it again.
//   turnManualSource  the source turned by `degrees` (every turn starts from
//                     the source) with edge blending on a black background.
//                     The result keeps four bytes a pixel; for a picture
//                     without alpha the fourth byte means nothing (it is
//                     dropped by cutOut and not shown).
//   cutPlace          where the turned image (w x h) lies in the picture
//                     control (pw x ph): k = 1, w / (pw - 2) when pw - 2 < w,
//                     h / (ph - 2) when ph - 2 < h and larger; centred at
//                     (pw / 2, ph / 2) with half sizes trunc(w / k x 0.5).
//   cutRectangle      the part of the turned image inside selection S (or the
//                     whole image when S has no width or height), in image
//                     pixels from the picture's top: trunc((edge - x0) x k);
//                     nothing when S misses the image.
//   cutOut            those pixels, rows taken bottom-up as stored, at four
//                     bytes a pixel with `fourChannel`, else three.

#include <optional>
#include <string>

#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "imagefile/image_format.h"

namespace trimlet {

extern const char* const kSelectedAreaNotInImage;  // "Selected area is not part of an image."

struct ManualSource {
  ImageBuffer pixels;  // 3 or 4 channels
  ImageBuffer four;    // the same at 4 channels
  bool fourChannel = false;
  ImageMetadata metadata;  // carried into a JPEG or PNG save
};

// With `upright`, a picture whose EXIF orientation is not normal is turned
// upright as it is read ("Honour Orientation").
Result<ManualSource> loadManualSource(const std::string& path, bool upright = true);
Result<ImageBuffer> turnManualSource(const ManualSource& source, float degrees);

struct PictureRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const PictureRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct CutPlace {
  float k = 1.0f;
  PictureRect image;  // x0, y0, x1, y1 in the control
};

CutPlace cutPlace(int imageWidth, int imageHeight, int pictureWidth, int pictureHeight);
std::optional<PictureRect> cutRectangle(int imageWidth, int imageHeight, int pictureWidth,
                                        int pictureHeight, const PictureRect& selection);
Result<ImageBuffer> cutOut(const ImageBuffer& turned, const PictureRect& cut, bool fourChannel);

}  // namespace trimlet

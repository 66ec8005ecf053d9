// Straightening and splitting on generated album pages: for each page the
// photos are found (findPhotos) and every piece is cut out straight
// (cutPhoto), and the results are compared with the generator's truth.
// Prints the pieces found, missed, merged and extra, the angle error (mean,
// max) and the size error of the pieces, and the time per page; a piece off
// by more than 2 pixels or 0.3 degrees is listed. The pages with one photo
// are also straightened whole (straightenForeground).
//
//   scan_split_bench [pages [width height]]     default 50 pages, 4000 x 3000
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/detect/photo_split.h"
#include "engine/detect/straighten.h"
#include "tests/support/scan_page.h"

using trimlet::BackgroundDetector;
using trimlet::FoundPhoto;
using trimlet::Rgb;
using trimlet::test::PagePhoto;

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

bool holds(const trimlet::DetectedRect& box, const PagePhoto& truth) {
  return truth.centerX >= box.left && truth.centerX <= box.right + 1 && truth.centerY >= box.top &&
         truth.centerY <= box.bottom + 1;
}

struct Totals {
  int expected = 0, found = 0, matched = 0, merged = 0, extra = 0, failed = 0;
  double angleSum = 0, angleMax = 0;
  int sizeMax = 0, sizeOver2 = 0;
  double findMs = 0, findMaxMs = 0, cutMs = 0, cutMaxMs = 0;
  // The single-picture road on the pages that hold one photo.
  int single = 0, singleSizeMax = 0;
  double singleAngleMax = 0, singleMs = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const int width = argc > 3 ? std::atoi(argv[2]) : 4000;
  const int height = argc > 3 ? std::atoi(argv[3]) : 3000;
  BackgroundDetector detector;  // tolerance 20, filter 5, threshold 7
  const Rgb white{255, 255, 255};
  const trimlet::SplitOptions options;
  Totals t;

  std::printf("%d generated pages of %d x %d, 1-6 photos tilted -10..10 degrees\n", pages, width,
              height);
  for (int i = 0; i < pages; ++i) {
    trimlet::test::PageRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.photos = 1 + i % 6;
    recipe.seed = uint32_t(1000 + i);
    recipe.dust = width * height / 4000;
    recipe.largeDust = 40;
    const trimlet::test::ScanPage page = trimlet::test::makeScanPage(recipe);
    if (page.image.empty()) {
      std::fprintf(stderr, "page %d could not be made\n", i);
      return 1;
    }
    t.expected += int(page.photos.size());

    const auto findStart = std::chrono::steady_clock::now();
    auto found = trimlet::findPhotos(page.image, white, detector, options);
    const double findMs = millisecondsSince(findStart);
    if (!found) {
      std::fprintf(stderr, "page %d: %s\n", i, found.reason().c_str());
      return 1;
    }
    t.findMs += findMs;
    t.findMaxMs = std::max(t.findMaxMs, findMs);
    t.found += int(found->size());

    const auto cutStart = std::chrono::steady_clock::now();
    for (const FoundPhoto& photo : *found) {
      int inside = 0;
      const PagePhoto* truth = nullptr;
      for (const PagePhoto& p : page.photos) {
        if (holds(photo.box, p)) {
          ++inside;
          truth = &p;
        }
      }
      if (inside == 0) ++t.extra;
      if (inside > 1) ++t.merged;
      auto piece = trimlet::cutPhoto(page.image, photo, white, detector);
      if (!piece) {
        ++t.failed;
        continue;
      }
      if (inside != 1) continue;
      ++t.matched;
      const double error = std::fabs(photo.tilt.degrees - truth->degrees);
      t.angleSum += error;
      t.angleMax = std::max(t.angleMax, error);
      const int size = std::max(std::abs(piece->width() - truth->width),
                                std::abs(piece->height() - truth->height));
      t.sizeMax = std::max(t.sizeMax, size);
      if (size > 2) ++t.sizeOver2;
      if (size > 2 || error > 0.3) {
        std::printf("  page %d photo %d: %d x %d for %d x %d, %.3f degrees for %.3f\n", i,
                    photo.number, piece->width(), piece->height(), truth->width, truth->height,
                    photo.tilt.degrees, truth->degrees);
      }
    }
    const double cutMs = millisecondsSince(cutStart);
    t.cutMs += cutMs;
    t.cutMaxMs = std::max(t.cutMaxMs, cutMs);

    if (page.photos.size() == 1) {
      const auto start = std::chrono::steady_clock::now();
      auto straight = trimlet::straightenForeground(page.image, white, detector, {});
      t.singleMs += millisecondsSince(start);
      if (!straight) {
        std::fprintf(stderr, "page %d: %s\n", i, straight.reason().c_str());
        return 1;
      }
      ++t.single;
      const PagePhoto& truth = page.photos[0];
      t.singleAngleMax =
          std::max(t.singleAngleMax, std::fabs(straight->tilt.degrees - truth.degrees));
      const int w = straight->box.right - straight->box.left + 1;
      const int h = straight->box.bottom - straight->box.top + 1;
      t.singleSizeMax =
          std::max({t.singleSizeMax, std::abs(w - truth.width), std::abs(h - truth.height)});
    }
  }

  std::printf("photos        %d on the pages, %d found, %d matched one to one\n", t.expected,
              t.found, t.matched);
  std::printf(
      "              %d missed, %d found boxes holding several, %d holding none, %d cuts "
      "failed\n",
      t.expected - t.matched, t.merged, t.extra, t.failed);
  std::printf("angle error   mean %.4f, max %.4f degrees\n",
              t.matched ? t.angleSum / t.matched : 0.0, t.angleMax);
  std::printf("size error    max %d pixels, %d pieces off by more than 2\n", t.sizeMax,
              t.sizeOver2);
  std::printf("time per page find %.1f ms (max %.1f), cut all pieces %.1f ms (max %.1f)\n",
              t.findMs / pages, t.findMaxMs, t.cutMs / pages, t.cutMaxMs);
  if (t.single > 0) {
    std::printf(
        "one picture   %d pages straightened whole: angle error max %.4f degrees, size "
        "error max %d pixels, %.1f ms per page\n",
        t.single, t.singleAngleMax, t.singleSizeMax, t.singleMs / t.single);
  }
  return 0;
}

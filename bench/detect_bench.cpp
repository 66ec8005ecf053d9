// Times background detection on a generated 4000 x 3000 scan: a near-white
// page with sensor noise and dust specks, and a slightly tilted photograph on
// it. Prints the median and best time of several runs per filter size.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/image_buffer.h"

using trimlet::BackgroundDetector;
using trimlet::ImageBuffer;
using trimlet::Rgb;

namespace {

ImageBuffer makeScan(int width, int height) {
  auto created = ImageBuffer::create(width, height, 3);
  if (!created) {
    std::fprintf(stderr, "%s\n", created.reason().c_str());
    std::exit(1);
  }
  ImageBuffer image = created.take();
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> noise(-6, 6);
  // The photograph: a rectangle tilted by 2 degrees, centred on the page.
  const double angle = 2.0 * 3.14159265358979 / 180.0;
  const double c = std::cos(angle), s = std::sin(angle);
  const double cx = width * 0.5, cy = height * 0.5;
  const double halfW = width * 0.35, halfH = height * 0.3;
  for (int y = 0; y < height; ++y) {
    uint8_t* p = image.row(y);
    for (int x = 0; x < width; ++x, p += 3) {
      const double dx = x - cx, dy = y - cy;
      const double u = dx * c + dy * s, v = -dx * s + dy * c;
      if (std::fabs(u) < halfW && std::fabs(v) < halfH) {
        p[0] = static_cast<uint8_t>(60 + (x * 7 + y * 3) % 150);
        p[1] = static_cast<uint8_t>(40 + (x * 3 + y * 11) % 170);
        p[2] = static_cast<uint8_t>(30 + (x + y) % 190);
      } else {
        const int paper = 246 + noise(random);
        p[0] = static_cast<uint8_t>(std::min(255, paper));
        p[1] = static_cast<uint8_t>(std::min(255, paper + 1));
        p[2] = static_cast<uint8_t>(std::min(255, paper - 2));
      }
    }
  }
  // Dust: isolated dark specks of one to four pixels.
  std::uniform_int_distribution<int> px(0, width - 2), py(0, height - 2);
  for (int i = 0; i < 3000; ++i) {
    const int x = px(random), y = py(random);
    for (int k = 0; k < 1 + i % 4; ++k) {
      uint8_t* p = image.at(x + (k & 1), y + (k >> 1));
      p[0] = p[1] = p[2] = 20;
    }
  }
  return image;
}

void timeDetection(const ImageBuffer& image, int filterSize, int threshold) {
  BackgroundDetector detector;
  detector.setTolerance(20);
  detector.setFilterSize(filterSize);
  detector.setNoiseThreshold(threshold);
  std::vector<double> times;
  for (int run = 0; run < 15; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const trimlet::Status status = detector.detect(image, Rgb{255, 255, 255});
    const auto end = std::chrono::steady_clock::now();
    if (!status) {
      std::fprintf(stderr, "detection failed: %s\n", status.reason().c_str());
      std::exit(1);
    }
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  const auto r = detector.rectangle();
  std::printf("filter size %2d, threshold %3d: median %7.2f ms, best %7.2f ms  "
              "rect (%d, %d, %d, %d) tilt %.3f deg\n",
              filterSize, threshold, times[times.size() / 2], times.front(), r.left, r.top,
              r.right, r.bottom, detector.estimateTilt());
}

}  // namespace

int main() {
  const int width = 4000, height = 3000;
  const ImageBuffer image = makeScan(width, height);
  std::printf("background detection on a %d x %d three-channel scan\n", width, height);
  timeDetection(image, 1, 1);
  timeDetection(image, 3, 6);
  timeDetection(image, 15, 100);
  timeDetection(image, 49, 1200);
  return 0;
}

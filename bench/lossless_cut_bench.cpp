// The lossless JPEG cut against decoding, cutting and encoding again (what
// Trimlet does without it), on a 4000 x 3000 photograph-like JPEG of
// quality 90 (4:2:0): the box leaves a tenth of each side, its left and top
// edges off the block grid. Prints each road's time (the best of a few
// runs, wall clock and processor time) and the size of its file; also the
// cut turned upright for an EXIF orientation of 6, and the plan alone.
//   lossless_cut_bench [width height]
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <random>
#include <string>

#include "imagefile/image_format.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/lossless_jpeg.h"

using namespace trimlet;

namespace {

[[noreturn]] void fail(const std::string& reason) {
  std::fprintf(stderr, "%s\n", reason.c_str());
  std::exit(1);
}

// Smooth shading with fine texture and sensor noise: compresses like a photo.
ImageBuffer makePhoto(int width, int height) {
  auto created = ImageBuffer::create(width, height, 3);
  if (!created) fail(created.reason());
  std::mt19937 random(7);
  std::uniform_int_distribution<int> noise(-4, 4);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = created->at(x, y);
      const double u = double(x) / width, v = double(y) / height;
      const double texture = 20 * std::sin(x * 0.05) * std::cos(y * 0.037);
      const double base[3] = {180 * u + 40, 150 * v + 50, 120 * (1 - u * v) + 60};
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<uint8_t>(std::clamp(base[c] + texture + noise(random), 0.0, 255.0));
    }
  return created.take();
}

struct Timing {
  double wallMs = 1e30, cpuMs = 1e30;
};

Timing best(int runs, const std::function<void()>& work) {
  Timing t;
  for (int i = 0; i < runs; ++i) {
    const auto wall = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    work();
    t.cpuMs = std::min(t.cpuMs, 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC);
    t.wallMs = std::min(
        t.wallMs,
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count());
  }
  return t;
}

long fileSize(const std::string& path) {
  struct stat s;
  return stat(path.c_str(), &s) == 0 ? static_cast<long>(s.st_size) : -1;
}

void report(const char* road, const Timing& t, const std::string& file) {
  std::printf("%-34s %9.1f ms wall %9.1f ms cpu", road, t.wallMs, t.cpuMs);
  if (!file.empty()) std::printf("   %9ld bytes", fileSize(file));
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const int width = argc > 2 ? std::atoi(argv[1]) : 4000;
  const int height = argc > 2 ? std::atoi(argv[2]) : 3000;
  char folderTemplate[] = "/tmp/trimlet-lossless-bench-XXXXXX";
  if (!mkdtemp(folderTemplate)) fail("Cannot make a temporary folder.");
  const std::string folder = folderTemplate;
  const std::string source = folder + "/source.jpg", turned = folder + "/turned.jpg";
  const ImageBuffer photo = makePhoto(width, height);
  if (!writeJpeg(source, photo, 90).ok()) fail("Cannot write the source.");
  // The same picture stored lying on its side, with EXIF orientation 6.
  ImageMetadata sideways;
  sideways.exif = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 1, 3,
                   0,   1,   0,  0, 0, 6, 0, 0, 0, 0, 0,    0, 0};
  if (!writeJpeg(turned, photo, 90, &sideways).ok()) fail("Cannot write the turned source.");

  const int marginX = width / 10 + 3, marginY = height / 10 + 5;
  const PixelBox box{marginX, marginY, width - 2 * marginX, height - 2 * marginY};
  std::printf("source %d x %d, quality 90, %ld bytes; box %d x %d at %d, %d\n", width, height,
              fileSize(source), box.width, box.height, box.x, box.y);
  const int runs = 5;

  LosslessCutPlan plan;
  report("plan (header only)",
         best(runs,
              [&] {
                auto p = planLosslessJpegCut(source, box);
                if (!p) fail(p.reason());
                plan = *p;
              }),
         "");
  std::printf("  adjusted box %d x %d at %d, %d (grid %d x %d)\n", plan.adjusted.width,
              plan.adjusted.height, plan.adjusted.x, plan.adjusted.y, plan.gridWidth,
              plan.gridHeight);

  const std::string cut = folder + "/cut.jpg";
  const Timing lossless = best(runs, [&] {
    auto done = cutJpegLosslessly(source, cut, box);
    if (!done) fail(done.reason());
  });
  report("lossless cut", lossless, cut);

  const std::string cutTurned = folder + "/cut-turned.jpg";
  const PixelBox turnedBox{marginY, marginX, height - 2 * marginY, width - 2 * marginX};
  report("lossless cut, turned upright",
         best(runs,
              [&] {
                auto done = cutJpegLosslessly(turned, cutTurned, turnedBox);
                if (!done) fail(done.reason());
              }),
         cutTurned);

  for (int quality : {75, 90}) {
    const std::string again = folder + "/again-" + std::to_string(quality) + ".jpg";
    const Timing t = best(runs, [&] {
      auto decoded = readJpeg(source);
      if (!decoded) fail(decoded.reason());
      auto part = ImageBuffer::create(plan.adjusted.width, plan.adjusted.height, 3);
      if (!part) fail(part.reason());
      const int bottom = height - plan.adjusted.y - plan.adjusted.height;
      for (int row = 0; row < plan.adjusted.height; ++row)
        std::memcpy(part->row(row), decoded->at(plan.adjusted.x, bottom + row), part->stride());
      if (!writeJpeg(again, *part, quality).ok()) fail("Cannot write " + again);
    });
    const std::string road = "decode + cut + encode, quality " + std::to_string(quality);
    report(road.c_str(), t, again);
    if (quality == 90)
      std::printf("lossless cut is %.1f times as fast (wall clock)\n", t.wallMs / lossless.wallMs);
  }
  for (const char* name :
       {"source.jpg", "turned.jpg", "cut.jpg", "cut-turned.jpg", "again-75.jpg", "again-90.jpg"})
    unlink((folder + "/" + name).c_str());
  rmdir(folder.c_str());
  return 0;
}

// Times turning a 4000 x 3000 four-byte image: a quarter turn, a half turn,
// 10 degrees (with and without edge blending), 100 degrees (a quarter turn
// read through the shears) and 1 degree, each with one thread and with up to
// two. Prints the best of several runs as wall-clock and processor
// milliseconds (the processor time of all threads, from getrusage).
//
//   rotate_bench                    the table
//   rotate_bench IN.jpg OUT.jpg DEG one JPEG decoded, turned by DEG with the
//                                   pipeline's settings (no edge blending,
//                                   white background), written at quality 75;
//                                   bench/rotate_bench.sh times this against
//                                   `vips rotate`.
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "engine/geometry/rotate_workers.h"
#include "engine/image/buffer_pool.h"
#include "engine/image/image_buffer.h"
#include "engine/image/pixel_layout.h"
#include "imagefile/jpeg_file.h"

using trimlet::ImageBuffer;

namespace {

double processorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

// A photograph-like picture: smooth gradients, edges and some noise.
ImageBuffer makePicture(int width, int height) {
  auto created = ImageBuffer::create(width, height, 4);
  if (!created) {
    std::fprintf(stderr, "%s\n", created.reason().c_str());
    std::exit(1);
  }
  ImageBuffer image = created.take();
  std::mt19937 random(4321);
  for (int y = 0; y < height; ++y) {
    uint8_t* p = image.row(y);
    for (int x = 0; x < width; ++x, p += 4) {
      const int noise = static_cast<int>(random() % 9);
      const bool disc = (x - 2600) * (x - 2600) + (y - 1200) * (y - 1200) < 700 * 700;
      p[0] = static_cast<uint8_t>(disc ? 230 - noise : (x * 255 / width + noise) & 0xFF);
      p[1] = static_cast<uint8_t>(disc ? 40 + noise : (y * 255 / height + noise) & 0xFF);
      p[2] = static_cast<uint8_t>(((x ^ y) & 64) ? 200 - noise : 60 + noise);
      p[3] = 0;
    }
  }
  return image;
}

struct Timing {
  double wall = 1e300;
  double cpu = 1e300;
};

Timing best(const std::function<bool()>& run, int repeats) {
  Timing result;
  for (int i = 0; i < repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processorSeconds();
    if (!run()) return Timing{-1, -1};
    const double cpu = 1000.0 * (processorSeconds() - cpuStart);
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    result.wall = std::min(result.wall, wall.count());
    result.cpu = std::min(result.cpu, cpu);
  }
  return result;
}

int table() {
  using trimlet::quarterTurnWithWorkers;
  using trimlet::rotateImageWithWorkers;
  const int width = 4000, height = 3000;
  const ImageBuffer picture = makePicture(width, height);
  struct Case {
    const char* name;
    std::function<bool(int)> run;
  };
  const Case cases[] = {
      {"quarter turn", [&](int w) { return quarterTurnWithWorkers(picture, 1, w).ok(); }},
      {"half turn", [&](int w) { return quarterTurnWithWorkers(picture, 2, w).ok(); }},
      {"10 degrees",
       [&](int w) { return rotateImageWithWorkers(picture, 10, 0x00FFFFFF, false, w).ok(); }},
      {"10 degrees, edge blending",
       [&](int w) { return rotateImageWithWorkers(picture, 10, 0, true, w).ok(); }},
      {"100 degrees",
       [&](int w) { return rotateImageWithWorkers(picture, 100, 0x00FFFFFF, false, w).ok(); }},
      {"1 degree",
       [&](int w) { return rotateImageWithWorkers(picture, 1, 0x00FFFFFF, false, w).ok(); }},
      {"-45 degrees",
       [&](int w) { return rotateImageWithWorkers(picture, -45, 0x00FFFFFF, false, w).ok(); }},
  };
  std::printf("turning a %d x %d four-byte image, best of 7 runs, milliseconds\n", width, height);
  std::printf(
      "fresh: every result in newly mapped memory (each page faulted in);\n"
      "reused: the result's block kept from the run before, as a batch job or\n"
      "the preview's thread has it after its first image\n");
  std::printf("%-28s %10s %10s %10s %10s %10s %10s\n", "", "1 thr wall", "1 thr cpu", "2 thr wall",
              "2 thr cpu", "1 reused", "2 reused");
  for (const Case& c : cases) {
    std::printf("%-28s", c.name);
    for (int workers : {1, 2}) {
      const Timing ms = best([&] { return c.run(workers); }, 7);
      if (ms.wall < 0) {
        std::printf(" failed\n");
        return 1;
      }
      std::printf(" %10.1f %10.1f", ms.wall, ms.cpu);
    }
    for (int workers : {1, 2}) {
      trimlet::BufferPoolScope pool;
      const Timing ms = best([&] { return c.run(workers); }, 7);
      std::printf(" %10.1f", ms.cpu);
    }
    std::printf("\n");
  }
  std::printf(
      "targets: any angle at most 100 ms on one core, a quarter turn at most 30 ms\n"
      "(the window's thread and every batch job keep their blocks: read \"1 reused\";\n"
      "\"1 thr cpu\" is a thread's first turn, its result's pages faulted in)\n");
  return 0;
}

int turnFile(const char* input, const char* output, double degrees) {
  using namespace trimlet;
  auto decoded = readJpeg(input);
  if (!decoded) {
    std::fprintf(stderr, "%s\n", decoded.reason().c_str());
    return 1;
  }
  auto four = widenToFour(*decoded, false);
  if (!four) return 1;
  decoded->reset();
  auto turned = rotateImageWithWorkers(*four, degrees, 0x00FFFFFF, false, 2);
  if (!turned) {
    std::fprintf(stderr, "%s\n", turned.reason().c_str());
    return 1;
  }
  four->reset();
  auto three = narrowFromFour(*turned, false);
  if (!three) return 1;
  turned->reset();
  const Status written = writeJpeg(output, *three, 75);
  if (!written) {
    std::fprintf(stderr, "%s\n", written.reason().c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) return turnFile(argv[1], argv[2], std::atof(argv[3]));
  if (argc != 1) {
    std::fprintf(stderr, "usage: rotate_bench [IN.jpg OUT.jpg DEGREES]\n");
    return 2;
  }
  return table();
}

// Thumbnails and header reads. Makes `count` photograph-like JPEGs of
// width x height (default 100 of 4000 x 3000, quality 90, camera-style EXIF,
// every fourth one stored on its side with orientation 6) in a temporary
// folder, then prints side by side:
//   - the file list's thumbnails of all of them: the builder as the list
//     runs it (wall seconds), the reduced road on one thread (DCT scaling,
//     MakeThumbnail) against today's whole decode + reduce, CPU and wall
//     seconds; libjpeg-turbo's `djpeg -scale 1/8` over the same
//     files as the floor of a reduced decode (one process per file);
//   - how far the reduced road's thumbnails are from today's, on these
//     files, on the samples and on the smallest pictures it reduces;
//   - the size read from the header against a whole decode, for one
//     picture in each format.
//   thumbnail_bench [count [width height]]
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "browser/model/dib_rows.h"
#include "browser/model/thumbnail_builder.h"
#include "browser/model/thumbnail_make.h"
#include "browser/model/thumbnail_scale.h"
#include "imagefile/image_format.h"
#include "imagefile/image_size.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/png_file.h"

using namespace trimlet;
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string& reason) {
  std::fprintf(stderr, "%s\n", reason.c_str());
  std::exit(1);
}

// Shading, a texture that changes with `seed`, sensor noise: compresses
// like a camera's photograph (about 2.5 bits a pixel at quality 90).
ImageBuffer makePhoto(int width, int height, int seed) {
  auto created = ImageBuffer::create(width, height, 3);
  if (!created) fail(created.reason());
  std::minstd_rand random(static_cast<unsigned>(seed) * 7919u + 1u);
  const double fx = 0.03 + 0.004 * (seed % 7), fy = 0.021 + 0.003 * (seed % 5);
  std::vector<double> across(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) across[static_cast<size_t>(x)] = 22 * std::sin(x * fx);
  for (int y = 0; y < height; ++y) {
    const double down = std::cos(y * fy);
    const double v = double(y) / height;
    for (int x = 0; x < width; ++x) {
      uint8_t* p = created->at(x, y);
      const double u = double(x) / width;
      const double texture = across[static_cast<size_t>(x)] * down;
      const double base[3] = {170 * u + 40 + seed % 30, 150 * v + 50, 120 * (1 - u * v) + 60};
      const int noise = static_cast<int>(random() % 25) - 12;
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<uint8_t>(std::clamp(base[c] + texture + noise, 0.0, 255.0));
    }
  }
  return created.take();
}

// A camera's EXIF reduced to its orientation tag.
ImageMetadata cameraExif(int orientation) {
  ImageMetadata m;
  m.exif = {'I',
            'I',
            42,
            0,
            8,
            0,
            0,
            0,
            1,
            0,
            0x12,
            1,
            3,
            0,
            1,
            0,
            0,
            0,
            static_cast<uint8_t>(orientation),
            0,
            0,
            0,
            0,
            0,
            0,
            0};
  return m;
}

struct Timing {
  double wallSeconds = 0, cpuSeconds = 0;
};

Timing timed(const std::function<void()>& work) {
  const auto wall = std::chrono::steady_clock::now();
  const std::clock_t cpu = std::clock();
  work();
  Timing t;
  t.cpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;
  t.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
  return t;
}

double childCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

Timing bestOf(int runs, const std::function<void()>& work) {
  Timing best{1e30, 1e30};
  for (int i = 0; i < runs; ++i) {
    const Timing t = timed(work);
    best.wallSeconds = std::min(best.wallSeconds, t.wallSeconds);
    best.cpuSeconds = std::min(best.cpuSeconds, t.cpuSeconds);
  }
  return best;
}

// Today's road: the whole picture decoded, then reduced.
std::vector<uint8_t> wholeDecodeThumbnail(const std::string& path) {
  auto image = readImageFile(sourceFormatOf(path), path);
  if (!image) fail(path + ": " + image.reason());
  auto rows = ToDibRows(*image);
  image->reset();
  if (!rows) fail(rows.reason());
  auto thumb = ScaleToThumbnail(*rows);
  if (!thumb) fail(thumb.reason());
  return thumb.take();
}

std::vector<uint8_t> reducedThumbnail(const std::string& path) {
  auto thumb = MakeThumbnail(path);
  if (!thumb) fail(path + ": " + thumb.reason());
  return thumb.take();
}

struct Difference {
  int largest = 0;
  double sum = 0;
  size_t bytes = 0, overTwo = 0;
  void add(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
      const int d = std::abs(int(a[i]) - int(b[i]));
      largest = std::max(largest, d);
      sum += d;
      overTwo += d > 2;
      ++bytes;
    }
  }
  void print(const char* what) const {
    std::printf("  %-44s largest %3d, mean %.3f, bytes off by more than 2: %.3f %%\n", what,
                largest, bytes ? sum / bytes : 0.0, bytes ? 100.0 * overTwo / bytes : 0.0);
  }
};

long fileBytes(const std::string& path) {
  struct stat s;
  return stat(path.c_str(), &s) == 0 ? static_cast<long>(s.st_size) : -1;
}

void printRoad(const char* road, const Timing& t, int count) {
  std::printf("  %-44s %7.2f s wall %7.2f s cpu   %6.1f ms cpu a file\n", road, t.wallSeconds,
              t.cpuSeconds, 1000 * t.cpuSeconds / count);
}

void compareThumbnails(const std::vector<std::string>& files, Difference* d) {
  for (const std::string& f : files) d->add(reducedThumbnail(f), wholeDecodeThumbnail(f));
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  const int width = argc > 3 ? std::atoi(argv[2]) : 4000;
  const int height = argc > 3 ? std::atoi(argv[3]) : 3000;
  char folderTemplate[] = "/tmp/trimlet-thumbnail-bench-XXXXXX";
  if (!mkdtemp(folderTemplate)) fail("Cannot make a temporary folder.");
  const std::string folder = folderTemplate;

  std::printf("making %d JPEGs of %d x %d in %s ...\n", count, width, height, folder.c_str());
  std::vector<std::string> files;
  long totalBytes = 0;
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/photo%03d.jpg", i);
    files.push_back(folder + name);
    const ImageMetadata exif = cameraExif(i % 4 == 3 ? 6 : 1);
    if (!writeJpeg(files.back(), makePhoto(width, height, i), 90, &exif))
      fail("Cannot write " + files.back());
    totalBytes += fileBytes(files.back());
  }
  std::printf("  %.2f MB a file on average, %.2f bits a pixel\n\n", totalBytes / 1e6 / count,
              8.0 * totalBytes / count / (double(width) * height));

  double load[3] = {0, 0, 0};
  if (getloadavg(load, 3) < 1) load[0] = -1;
  std::printf("%d thumbnails of %d x %d JPEGs (load average %.2f before)\n", count, width, height,
              load[0]);
  // Both roads once before timing, so both find the files in the page cache.
  for (const std::string& f : files) fileBytes(f);
  std::vector<std::vector<uint8_t>> reduced(files.size()), whole(files.size());
  const Timing reducedRoad = timed([&] {
    for (size_t i = 0; i < files.size(); ++i) reduced[i] = reducedThumbnail(files[i]);
  });
  const Timing wholeRoad = timed([&] {
    for (size_t i = 0; i < files.size(); ++i) whole[i] = wholeDecodeThumbnail(files[i]);
  });
  // As the file list runs it: the worker, with its second thread when the
  // machine has a second core.
  ThumbnailJob job;
  job.generation = 1;
  job.folder = folder + "/";
  for (const std::string& f : files)
    job.entries.push_back({fs::path(f).filename().string(), false});
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  int pictures = 0;
  const Timing builderRoad = timed([&] {
    ThumbnailBuilder builder({[&](uint64_t, ThumbnailItem item) {
                                std::lock_guard<std::mutex> lock(mutex);
                                pictures += item.kind == ThumbnailKind::kPicture;
                              },
                              [&](uint64_t, bool) {
                                std::lock_guard<std::mutex> lock(mutex);
                                done = true;
                                ended.notify_all();
                              }});
    builder.setCurrentGeneration(1);
    builder.start(job);
    std::unique_lock<std::mutex> lock(mutex);
    ended.wait(lock, [&] { return done; });
  });
  if (pictures != count)
    fail("The thumbnail builder made " + std::to_string(pictures) + " pictures.");
  std::printf("  %-44s %7.2f s wall %7.2f s cpu   (%u cores)\n",
              "the file list's builder, reduced road", builderRoad.wallSeconds,
              builderRoad.cpuSeconds, std::thread::hardware_concurrency());
  printRoad("one thread: reduced decode + weighed reduce", reducedRoad, count);
  printRoad("one thread: today's whole decode + reduce", wholeRoad, count);
  std::printf("  reduced road: %.1f times less CPU, %.1f times less wall time\n",
              wholeRoad.cpuSeconds / reducedRoad.cpuSeconds,
              wholeRoad.wallSeconds / reducedRoad.wallSeconds);
  const double childBefore = childCpuSeconds();
  const Timing djpeg = timed([&] {
    const std::string command =
        "for f in '" + folder + "'/*.jpg; do djpeg -scale 1/8 \"$f\" > /dev/null || exit 1; done";
    if (std::system(command.c_str()) != 0) std::printf("  (djpeg did not run)\n");
  });
  Timing djpegChildren = djpeg;
  djpegChildren.cpuSeconds = childCpuSeconds() - childBefore;
  printRoad("anchor: djpeg -scale 1/8, a process a file", djpegChildren, count);

  std::printf("\nreduced-road thumbnails against today's (48 x 48 x 3 bytes each)\n");
  Difference onBench;
  for (size_t i = 0; i < files.size(); ++i) onBench.add(reduced[i], whole[i]);
  char what[64];
  std::snprintf(what, sizeof what, "the %d bench JPEGs", count);
  onBench.print(what);
  std::vector<std::string> samples;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(TRIMLET_SAMPLES_DIR, ec))
    if (isImageFileName(entry.path().filename().string())) samples.push_back(entry.path().string());
  std::sort(samples.begin(), samples.end());
  for (const std::string& s : samples) {
    const std::vector<uint8_t> r = reducedThumbnail(s), w = wholeDecodeThumbnail(s);
    Difference one;
    one.add(r, w);
    one.print(("sample " + fs::path(s).filename().string()).c_str());
  }
  // Pictures just large enough for a 1/8 decode (f = 8 to 25), every
  // orientation; smaller ones are decoded whole, as today.
  Difference onSmall;
  for (int size : {384, 450, 640, 1200}) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
      const std::string path = folder + "/small.jpg";
      const ImageMetadata exif = cameraExif(orientation);
      if (!writeJpeg(path, makePhoto(size, size * 3 / 4, orientation), 90, &exif))
        fail("Cannot write " + path);
      compareThumbnails({path}, &onSmall);
    }
  }
  onSmall.print("384-1200 pixels wide, every orientation");

  std::printf("\nsize from the header against a whole decode (best of several)\n");
  const ImageBuffer picture = makePhoto(width, height, 1);
  struct Format {
    const char* name;
    std::string path;
  };
  const Format formats[] = {{"JPEG", files.front()},
                            {"PNG", folder + "/one.png"},
                            {"Targa", folder + "/one.tga"},
                            {"bitmap", folder + "/one.bmp"}};
  writePng(formats[1].path, picture);
  writeImageFile(SourceFormat::kTarga, formats[2].path, picture, {75, true});
  writeImageFile(SourceFormat::kBitmap, formats[3].path, picture, {75, true});
  for (const Format& f : formats) {
    const SourceFormat format = sourceFormatOf(f.path);
    const Timing header = bestOf(20, [&] {
      if (!readImageSize(format, f.path)) fail("Cannot read the size of " + f.path);
    });
    const Timing decode = bestOf(3, [&] {
      if (!readImageFile(format, f.path)) fail("Cannot read " + f.path);
    });
    std::printf("  %-7s %9ld bytes: header %8.3f ms, whole decode %8.1f ms wall (%.0f times)\n",
                f.name, fileBytes(f.path), 1000 * header.wallSeconds, 1000 * decode.wallSeconds,
                decode.wallSeconds / header.wallSeconds);
  }

  fs::remove_all(folder, ec);
  return 0;
}

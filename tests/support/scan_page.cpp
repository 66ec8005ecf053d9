// The album page generator (scan_page.h).
#include "tests/support/scan_page.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace trimlet::test {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Room between a photo and its cell's edges: two neighbours are at least
// twice this apart, well beyond the shadow and the noise filter.
constexpr double kCellMargin = 14.0;
// Width of the soft border: coverage falls from 1 to 0 over this many pixels.
constexpr double kSoftEdge = 1.2;
constexpr double kShadowOffset = 2.5;  // right and down as displayed
constexpr double kShadowSpread = 5.0;
constexpr double kShadowDepth = 22.0;  // darkening right at the photo, in levels
// Specks stay this far from a photo's border, inside or out.
constexpr double kDustClearance = kShadowOffset + kShadowSpread + 4.0;

struct Cell {
  double left, bottom, width, height;
};

// A photograph as it is drawn: placement, base colour and texture.
struct Photo {
  PagePhoto truth;
  double cosine = 1, sine = 0;
  double base[3] = {};
  double gradient[3] = {};
  double waveU = 0, waveV = 0, wavePhase = 0;
};

// How far (x, y) lies outside the rectangle of half sides hw, hh centred on
// (cx, cy) and turned by (c, s); negative inside.
double outside(const Photo& p, double x, double y, double shiftX, double shiftY) {
  const double dx = x - p.truth.centerX - shiftX, dy = y - p.truth.centerY - shiftY;
  const double u = dx * p.cosine + dy * p.sine;
  const double v = -dx * p.sine + dy * p.cosine;
  const double ou = std::fabs(u) - p.truth.width / 2.0;
  const double ov = std::fabs(v) - p.truth.height / 2.0;
  if (ou > 0 && ov > 0) return std::sqrt(ou * ou + ov * ov);
  return std::max(ou, ov);
}

void gridFor(int photos, int* columns, int* rows) {
  if (photos <= 1) {
    *columns = *rows = 1;
  } else if (photos == 2) {
    *columns = 2;
    *rows = 1;
  } else if (photos <= 4) {
    *columns = *rows = 2;
  } else {
    *columns = 3;
    *rows = 2;
  }
}

// Draws one photo's size, tilt and place inside `cell`.
Photo placePhoto(const Cell& cell, double maxDegrees, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Photo photo;
  const double degrees = maxDegrees * (2 * unit(random) - 1);
  const double radians = degrees * kPi / 180;
  const double c = std::cos(radians), s = std::fabs(std::sin(radians));
  const double aspect = 0.7 + 0.8 * unit(random);  // width / height
  const double roomW = cell.width - 2 * kCellMargin, roomH = cell.height - 2 * kCellMargin;
  const double tallest = std::min(roomW / (aspect * c + s), roomH / (aspect * s + c));
  const double scale = 0.65 + 0.3 * unit(random);
  const int height = std::max(8, int(tallest * scale));
  const int width = std::max(8, int(height * aspect));
  const double boxW = width * c + height * s, boxH = width * s + height * c;

  // Anywhere across the cell; vertically near the cell's middle so that the
  // box crosses it.
  const double slackX = std::max(0.0, (roomW - boxW) / 2);
  const double slackY = std::max(0.0, std::min((roomH - boxH) / 2, boxH / 2 - 2));
  photo.truth.centerX = cell.left + cell.width / 2 + slackX * (2 * unit(random) - 1);
  photo.truth.centerY = cell.bottom + cell.height / 2 + slackY * (2 * unit(random) - 1);
  photo.truth.width = width;
  photo.truth.height = height;
  photo.truth.degrees = degrees;
  photo.cosine = std::cos(radians);
  photo.sine = std::sin(radians);

  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (int corner = 0; corner < 4; ++corner) {
    const double u = (corner & 1 ? 0.5 : -0.5) * width, v = (corner & 2 ? 0.5 : -0.5) * height;
    const double x = photo.truth.centerX + u * photo.cosine - v * photo.sine;
    const double y = photo.truth.centerY + u * photo.sine + v * photo.cosine;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  photo.truth.box = DetectedRect{int(std::floor(minX)), int(std::floor(minY)),
                                 int(std::ceil(maxX)) - 1, int(std::ceil(maxY)) - 1};

  // Colours stay between 20 and 180, well apart from the white bed.
  for (int k = 0; k < 3; ++k) {
    photo.base[k] = 50 + 90 * unit(random);
    photo.gradient[k] = 30 * (2 * unit(random) - 1);
  }
  photo.waveU = 0.05 + 0.2 * unit(random);
  photo.waveV = 0.05 + 0.2 * unit(random);
  photo.wavePhase = 2 * kPi * unit(random);
  return photo;
}

// The photo's own colour at (x, y): a gradient and a texture over its base.
void photoColour(const Photo& p, double x, double y, double out[3]) {
  const double dx = x - p.truth.centerX, dy = y - p.truth.centerY;
  const double u = dx * p.cosine + dy * p.sine;
  const double v = -dx * p.sine + dy * p.cosine;
  const double along = u / std::max(1, p.truth.width);
  const double wave = 18 * std::sin(u * p.waveU + v * p.waveV + p.wavePhase);
  for (int k = 0; k < 3; ++k) {
    out[k] = std::clamp(p.base[k] + p.gradient[k] * along * 2 + wave, 20.0, 180.0);
  }
}

uint8_t toByte(double value) { return uint8_t(std::clamp(std::lround(value), 0L, 255L)); }

// Draws the photo and its shadow over the bed already in `image`.
void drawPhoto(ImageBuffer& image, const Photo& photo, bool shadows) {
  const int reach = int(kShadowOffset + kShadowSpread) + 3;
  const DetectedRect& box = photo.truth.box;
  const int x0 = std::max(0, box.left - reach), x1 = std::min(image.width() - 1, box.right + reach);
  const int y0 = std::max(0, box.top - reach),
            y1 = std::min(image.height() - 1, box.bottom + reach);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      uint8_t* p = image.at(x, y);
      double bed[3] = {double(p[0]), double(p[1]), double(p[2])};
      if (shadows) {
        const double d = outside(photo, cx, cy, kShadowOffset, -kShadowOffset);
        const double fade = std::clamp(1 - d / kShadowSpread, 0.0, 1.0);
        for (double& b : bed) b -= kShadowDepth * fade * fade;
      }
      const double coverage = std::clamp(0.5 - outside(photo, cx, cy, 0, 0) / kSoftEdge, 0.0, 1.0);
      double colour[3] = {0, 0, 0};
      if (coverage > 0) photoColour(photo, cx, cy, colour);
      for (int k = 0; k < 3; ++k) p[k] = toByte(coverage * colour[k] + (1 - coverage) * bed[k]);
    }
  }
}

// Whether a speck at (x, y) would touch a photo's border (or its shadow), where
// it would change the photo's outline and so its true size.
bool nearBorder(const std::vector<Photo>& photos, double x, double y) {
  for (const Photo& photo : photos) {
    if (std::fabs(outside(photo, x, y, 0, 0)) < kDustClearance) return true;
  }
  return false;
}

// Dark specks of smallest .. largest pixels a side, kept off the photos'
// borders (inside a photo or on the bed they are fine).
void drawDust(ImageBuffer& image, const std::vector<Photo>& photos, int count, int smallest,
              int largest, std::mt19937& random) {
  std::uniform_int_distribution<int> side(smallest, largest);
  std::uniform_int_distribution<int> ink(40, 110);
  for (int i = 0; i < count; ++i) {
    const int w = side(random), h = side(random);
    if (w > image.width() || h > image.height()) continue;
    std::uniform_int_distribution<int> px(0, image.width() - w), py(0, image.height() - h);
    const int x = px(random), y = py(random);
    const uint8_t grey = uint8_t(ink(random));
    if (nearBorder(photos, x + w / 2.0, y + h / 2.0)) continue;
    for (int dy = 0; dy < h; ++dy) {
      for (int dx = 0; dx < w; ++dx) {
        uint8_t* p = image.at(x + dx, y + dy);
        p[0] = p[1] = p[2] = grey;
      }
    }
  }
}

// JPEG-like noise: each 8 x 8 block shifted by a level or so, and blocks with
// an edge in them sprinkled with ringing in proportion to their contrast.
void addBlockNoise(ImageBuffer& image, std::mt19937& random) {
  std::uniform_int_distribution<int> shift(-1, 1);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  const int channels = image.channels();
  for (int by = 0; by < image.height(); by += 8) {
    for (int bx = 0; bx < image.width(); bx += 8) {
      const int ey = std::min(image.height(), by + 8), ex = std::min(image.width(), bx + 8);
      int low = 255, high = 0;
      for (int y = by; y < ey; ++y) {
        const uint8_t* p = image.at(bx, y);
        for (int x = bx; x < ex; ++x, p += channels) {
          const int luma = (p[0] * 3 + p[1] * 6 + p[2]) / 10;
          low = std::min(low, luma);
          high = std::max(high, luma);
        }
      }
      const int offset = shift(random);
      const double ringing = high - low > 24 ? std::min(8.0, (high - low) / 16.0) : 0.0;
      for (int y = by; y < ey; ++y) {
        uint8_t* p = image.at(bx, y);
        for (int x = bx; x < ex; ++x, p += channels) {
          const double delta = offset + (ringing > 0 ? ringing * unit(random) : 0.0);
          for (int k = 0; k < 3; ++k) p[k] = toByte(p[k] + delta);
        }
      }
    }
  }
}

}  // namespace

ScanPage makeScanPage(const PageRecipe& recipe) {
  ScanPage page;
  page.paper = Rgb{250, 249, 246};
  const int channels = recipe.channels == 4 ? 4 : 3;
  const uint8_t bed[4] = {uint8_t(page.paper.red), uint8_t(page.paper.green),
                          uint8_t(page.paper.blue), 255};
  auto created = ImageBuffer::filled(recipe.width, recipe.height, channels, bed);
  if (!created) return page;
  page.image = created.take();
  std::mt19937 random(recipe.seed * 2654435761u + 7u);

  // Sensor noise on the bed: a triangular spread of about two levels.
  {
    std::uniform_int_distribution<int> noise(-2, 2);
    uint8_t* p = page.image.data();
    const size_t pixels = size_t(page.image.width()) * size_t(page.image.height());
    for (size_t i = 0; i < pixels; ++i, p += channels) {
      const int n = noise(random) + noise(random) / 2;
      for (int k = 0; k < 3; ++k) p[k] = toByte(p[k] + n);
    }
  }

  int columns = 1, rows = 1;
  const int count = std::clamp(recipe.photos, 1, 6);
  gridFor(count, &columns, &rows);
  std::vector<int> cells(size_t(columns * rows));
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = int(i);
  if (int(cells.size()) > count) {
    std::uniform_int_distribution<int> skip(0, int(cells.size()) - 1);
    cells.erase(cells.begin() + skip(random));
  }
  const double cellW = double(recipe.width) / columns, cellH = double(recipe.height) / rows;
  std::vector<Photo> photos;
  for (int index : cells) {  // cell 0 is the top left: reading order
    const int column = index % columns, row = index / columns;
    const Cell cell{column * cellW, recipe.height - (row + 1) * cellH, cellW, cellH};
    photos.push_back(placePhoto(cell, recipe.maxDegrees, random));
  }
  for (const Photo& photo : photos) {
    drawPhoto(page.image, photo, recipe.shadows);
    page.photos.push_back(photo.truth);
  }
  drawDust(page.image, photos, recipe.dust, 1, 2, random);
  drawDust(page.image, photos, recipe.largeDust, 3, 4, random);
  if (recipe.jpegNoise) addBlockNoise(page.image, random);
  return page;
}

}  // namespace trimlet::test

// The side fit of side_fit.h. In the frame of the current rectangle (u along
// its width, v along its height, origin at its centre) a border turned by a
// further small angle d puts the samples of the left and right sides on
// u = c - d v and those of the bottom and top on v = c + d u. With each side's
// samples taken about their means, least squares over all four sides gives
//   d = (sum_TB u v - sum_LR u v) / (sum_LR v^2 + sum_TB u^2).
#include "engine/detect/side_fit.h"

#include <algorithm>
#include <cmath>

namespace trimlet {
namespace {

// Samples farther than this from their fitted side are left out.
constexpr double kMaxResidual = 1.5;
// At least this many samples and this much spread (square pixels) to fit.
constexpr int kMinSamples = 8;
constexpr double kMinSpread = 16.0;
constexpr int kRounds = 4;
// The angle is refined only when the border drifts across at least this many
// pixels over the rectangle's longer side. A border that drifts less is a
// staircase of a few steps, and a line fitted to so few steps is pulled
// towards whole steps, while the hull's edge rests on their corners.
constexpr double kMinDrift = 4.0;
// A side needs this many samples to place the border rectangle's side.
constexpr int kMinSideSamples = 6;

enum Side { kLeft, kRight, kBottom, kTop };

struct Sample {
  Side side;
  double u;
  double v;
};

struct Sums {
  double n = 0, u = 0, v = 0, uu = 0, vv = 0, uv = 0;
  void add(const Sample& s) {
    n += 1;
    u += s.u;
    v += s.v;
    uu += s.u * s.u;
    vv += s.v * s.v;
    uv += s.u * s.v;
  }
  double meanU() const { return n > 0 ? u / n : 0; }
  double meanV() const { return n > 0 ? v / n : 0; }
  // Sums of the products about the means.
  double centredUV() const { return n > 0 ? uv - u * v / n : 0; }
  double centredUU() const { return n > 0 ? uu - u * u / n : 0; }
  double centredVV() const { return n > 0 ? vv - v * v / n : 0; }
};

bool upright(Side side) { return side == kLeft || side == kRight; }

// The outline's border samples near the rectangle's sides, in its frame.
std::vector<Sample> sideSamples(const RegionOutline& outline, const RotatedRect& rect) {
  const double radians = rect.degrees / kDegreesPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  const double hw = rect.width / 2, hh = rect.height / 2;
  const double band = std::max(4.0, 0.05 * std::min(rect.width, rect.height));
  const double guardUpright = std::max(2.0, 0.08 * rect.height);
  const double guardLevel = std::max(2.0, 0.08 * rect.width);
  std::vector<Sample> samples;
  samples.reserve(outline.rows.size() * 2);
  auto consider = [&](double x, double y) {
    const double dx = x - rect.centerX, dy = y - rect.centerY;
    const double u = dx * c + dy * s;
    const double v = -dx * s + dy * c;
    const double distance[4] = {std::fabs(u + hw), std::fabs(u - hw), std::fabs(v + hh),
                                std::fabs(v - hh)};
    const int side = int(std::min_element(distance, distance + 4) - distance);
    if (distance[side] > band) return;
    if (upright(Side(side)) ? std::fabs(v) > hh - guardUpright : std::fabs(u) > hw - guardLevel)
      return;
    samples.push_back(Sample{Side(side), u, v});
  };
  for (const OutlineRow& row : outline.rows) {
    consider(double(row.first), row.y + 0.5);
    consider(double(row.last) + 1.0, row.y + 0.5);
  }
  return samples;
}

// The further angle (radians) from the samples that `use` accepts; false
// when they are too few to tell.
template <class Accept>
bool fitAngle(const std::vector<Sample>& samples, Accept use, double* angle, Sums* bySide) {
  for (int side = 0; side < 4; ++side) bySide[side] = Sums();
  for (const Sample& s : samples) {
    if (use(s)) bySide[s.side].add(s);
  }
  double numerator = 0, denominator = 0, count = 0;
  for (int side = 0; side < 4; ++side) {
    const Sums& sums = bySide[side];
    count += sums.n;
    if (upright(Side(side))) {
      numerator -= sums.centredUV();
      denominator += sums.centredVV();
    } else {
      numerator += sums.centredUV();
      denominator += sums.centredUU();
    }
  }
  if (count < kMinSamples || !(denominator >= kMinSpread)) return false;
  *angle = numerator / denominator;
  return true;
}

// How far a sample lies from its side once the frame is turned by `angle`.
double residual(const Sample& s, const Sums& side, double angle) {
  const double u = s.u - side.meanU(), v = s.v - side.meanV();
  return upright(s.side) ? u + angle * v : v - angle * u;
}

// The border rectangle at `rect`'s angle: each side with enough samples moved
// to their mean (samples more than kMaxResidual from their median left out).
RotatedRect borderAt(const RegionOutline& outline, const RotatedRect& rect) {
  const std::vector<Sample> samples = sideSamples(outline, rect);
  double low[2] = {-rect.width / 2, -rect.height / 2};  // left, bottom
  double high[2] = {rect.width / 2, rect.height / 2};   // right, top
  for (int side = 0; side < 4; ++side) {
    std::vector<double> at;
    for (const Sample& s : samples) {
      if (s.side == side) at.push_back(upright(s.side) ? s.u : s.v);
    }
    if (int(at.size()) < kMinSideSamples) continue;
    std::vector<double> sorted = at;
    std::nth_element(sorted.begin(), sorted.begin() + ptrdiff_t(sorted.size() / 2), sorted.end());
    const double median = sorted[sorted.size() / 2];
    double sum = 0;
    int count = 0;
    for (double value : at) {
      if (std::fabs(value - median) <= kMaxResidual) {
        sum += value;
        ++count;
      }
    }
    if (count < kMinSideSamples) continue;
    const double mean = sum / count;
    switch (Side(side)) {
      case kLeft: low[0] = mean; break;
      case kRight: high[0] = mean; break;
      case kBottom: low[1] = mean; break;
      case kTop: high[1] = mean; break;
    }
  }
  const double radians = rect.degrees / kDegreesPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  const double u = (low[0] + high[0]) / 2, v = (low[1] + high[1]) / 2;
  RotatedRect border = rect;
  border.width = std::max(0.0, high[0] - low[0]);
  border.height = std::max(0.0, high[1] - low[1]);
  border.centerX = rect.centerX + u * c - v * s;
  border.centerY = rect.centerY + u * s + v * c;
  return border;
}

}  // namespace

SideFit fitSides(const RegionOutline& outline, const std::vector<CornerPoint>& hull,
                 const RotatedRect& start) {
  RotatedRect rect = start;
  const double drift =
      std::fabs(std::tan(start.degrees / kDegreesPerRadian)) * std::max(start.width, start.height);
  for (int round = 0; round < kRounds && drift >= kMinDrift; ++round) {
    const std::vector<Sample> samples = sideSamples(outline, rect);
    Sums bySide[4];
    double first = 0;
    if (!fitAngle(
            samples, [](const Sample&) { return true; }, &first, bySide))
      break;
    Sums all[4];
    std::copy(bySide, bySide + 4, all);
    double angle = 0;
    auto close = [&](const Sample& s) {
      return std::fabs(residual(s, all[s.side], first)) <= kMaxResidual;
    };
    if (!fitAngle(samples, close, &angle, bySide)) break;
    const double degrees = rect.degrees + angle * kDegreesPerRadian;
    if (!(degrees > -45.0 && degrees <= 45.0)) break;  // a square at 45: either is right
    rect = enclosingRectAt(hull, degrees);
    if (std::fabs(angle) < 1e-8) break;
  }
  return SideFit{rect, borderAt(outline, rect)};
}

}  // namespace trimlet

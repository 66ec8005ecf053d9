// The noise filtering dialog without its widgets (see noise_filter_model.h).
#include "settings/model/noise_filter_model.h"

#include <climits>
#include <cstdint>
#include <optional>

#include "engine/settings/crop_settings.h"
#include "settings/model/panel_edits.h"
#include "settings/model/panel_messages.h"

namespace trimlet {

namespace {

// F^2 - 1, held within an int for any F a field can hold.
int squareLess(int f) {
  const int64_t limit = int64_t(f) * f - 1;
  return limit > INT_MAX ? INT_MAX : static_cast<int>(limit);
}

}  // namespace

NoiseFilterModel::NoiseFilterModel(int filterSize, int threshold)
    : size_(filterSize),
      threshold_(threshold),
      openedSize_(filterSize),
      openedThreshold_(threshold) {
  show();
  sizePosition_ = size_ / 2;
  thresholdLimit_ = squareLess(size_);
}

const char* NoiseFilterModel::commit() {
  const std::optional<int> size = parseInteger(sizeText_);
  if (!size) {
    sizeText_ = std::to_string(size_);
    return panel::kEnterInteger;
  }
  size_ = *size;
  const std::optional<int> threshold = parseInteger(thresholdText_);
  if (!threshold) {
    thresholdText_ = std::to_string(threshold_);
    return panel::kEnterInteger;
  }
  threshold_ = *threshold;
  return nullptr;
}

void NoiseFilterModel::show() {
  sizeText_ = std::to_string(size_);
  thresholdText_ = std::to_string(threshold_);
}

void NoiseFilterModel::limitThreshold() {
  thresholdLimit_ = squareLess(size_);
  if (threshold_ > thresholdLimit_) threshold_ = thresholdLimit_;
}

const char* NoiseFilterModel::checkSize() const {
  if (size_ <= 0) return panel::kFilterSizeZero;
  if (size_ >= 100) return panel::kFilterSizeLarge;
  if (size_ % 2 == 0) return panel::kFilterSizeOdd;
  return nullptr;
}

const char* NoiseFilterModel::checkThreshold() const {
  if (threshold_ < 0) return panel::kThresholdNegative;
  if (threshold_ > squareLess(size_)) return panel::kThresholdLarge;
  return nullptr;
}

const char* NoiseFilterModel::sizeSpinMoved(int position) {
  if (const char* message = commit()) return message;
  size_ = static_cast<int16_t>(position) * 2 + 1;
  sizePosition_ = position;
  limitThreshold();
  show();
  return nullptr;
}

const char* NoiseFilterModel::sizeLeft() {
  const int before = size_;
  if (const char* message = commit()) return message;
  const char* refused = checkSize();
  if (refused) {
    size_ = before;
    show();
  }
  sizePosition_ = size_ / 2;
  limitThreshold();
  show();
  return refused;
}

const char* NoiseFilterModel::thresholdLeft() {
  const int before = threshold_;
  if (const char* message = commit()) return message;
  const char* refused = checkThreshold();
  if (refused) {
    threshold_ = before;
    show();
  }
  return refused;
}

const char* NoiseFilterModel::sizeEnter(bool& stays) {
  stays = true;
  const char* refused = sizeLeft();
  stays = refused != nullptr;
  return refused;
}

const char* NoiseFilterModel::thresholdEnter(bool& stays) {
  stays = true;
  const char* refused = thresholdLeft();
  stays = refused != nullptr;
  return refused;
}

const char* NoiseFilterModel::ok() {
  if (const char* message = commit()) return message;
  if (size_ <= 0)
    size_ = 1;
  else if (size_ > kMaxFilterSize)
    size_ = kMaxFilterSize;
  else if (size_ % 2 == 0)
    size_ += 1;
  sizePosition_ = size_ / 2;
  const int64_t square = int64_t(size_) * size_;
  if (threshold_ > square) threshold_ = static_cast<int>(square - 1);
  if (threshold_ < 0) threshold_ = 1;
  if (size_ == 1) threshold_ = 1;
  show();
  return nullptr;
}

void NoiseFilterModel::cancel() {
  size_ = openedSize_;
  threshold_ = openedThreshold_;
  show();
}

}  // namespace trimlet

#pragma once
// NoiseFilterModel: the "Noise Filtering" dialog without its widgets. It
// edits its own copies of the filter size F and the threshold T and hands
// them over only on OK.
//
// The filter-size spin works in positions 0-49, position p standing for the
// size 2p + 1 (1-99). Whenever F changes (spin, field check, Enter) the
// threshold spin's range becomes 0 to F^2 - 1 and a threshold above it is
// lowered to it.
//
// Field checks (the value before is put back, the message returned):
//   size       <= 0 "A filter size must be larger than 0.", >= 100 "... smaller
//              than 100.", even "... an odd number."
//   threshold  < 0 "A threshold must be a positive number or zero.",
//              > F^2 - 1 "A threshold must be smaller than the square of a
//              filter size."
// OK normalises: F <= 0 becomes 1, above 49 becomes 49, even becomes F + 1;
// then T above F^2 becomes F^2 - 1, below 0 becomes 1, and with F = 1 it is 1.
// Text that is not an integer is refused with "Please enter an integer.".

#include <string>

namespace trimlet {

class NoiseFilterModel {
 public:
  static constexpr int kMaxPosition = 49;

  NoiseFilterModel(int filterSize, int threshold);

  const std::string& sizeText() const { return sizeText_; }
  const std::string& thresholdText() const { return thresholdText_; }
  void setSizeText(const std::string& text) { sizeText_ = text; }
  void setThresholdText(const std::string& text) { thresholdText_ = text; }
  int filterSize() const { return size_; }
  int threshold() const { return threshold_; }
  int sizePosition() const { return sizePosition_; }
  int thresholdLimit() const { return thresholdLimit_; }

  // Each returns the message to show, or nullptr.
  const char* sizeSpinMoved(int position);
  const char* sizeLeft();
  const char* thresholdLeft();
  // Enter in a field: the check; `stays` tells whether the focus stays in the
  // field (refused) or moves to the other one.
  const char* sizeEnter(bool& stays);
  const char* thresholdEnter(bool& stays);
  // OK: the message when a field is not a number (the dialog stays open),
  // else nullptr with the normalised values in filterSize() and threshold().
  const char* ok();
  // Cancel: the values as they were at opening.
  void cancel();

 private:
  // Both fields into the values; the message when one is not an integer.
  const char* commit();
  void show();
  void limitThreshold();
  const char* checkSize() const;
  const char* checkThreshold() const;

  int size_;
  int threshold_;
  int sizePosition_ = 0;
  int thresholdLimit_ = 0;
  int openedSize_;
  int openedThreshold_;
  std::string sizeText_;
  std::string thresholdText_;
};

}  // namespace trimlet

#pragma once
// Internal to the lossless cut: the plan together with what TurboJPEG is
// asked to do, worked out from the file's bytes.

#include <cstdint>
#include <vector>

#include "imagefile/jpeg_header.h"
#include "imagefile/lossless_jpeg.h"

namespace trimlet::lossless_detail {

struct CutWork {
  LosslessCutPlan plan;
  int operation = 0;    // TJXOP_*
  bool perfect = true;  // the turn moves no partial block (TJXOPT_PERFECT holds)
  PixelBox region;      // the crop in TurboJPEG's output, which puts partial blocks last
  JpegHeader header;
};

Result<CutWork> planCut(const std::vector<uint8_t>& file, const PixelBox& box,
                        const ReadOptions& options);

}  // namespace trimlet::lossless_detail

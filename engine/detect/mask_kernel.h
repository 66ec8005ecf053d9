#pragma once
// The foreground mask of three-byte pixels with vector instructions, for the
// common case: a background of components 0..255 and an integer limit the
// 16-bit sums can hold. Internal to the detector (foreground_mask.cpp).
//
// maskRowsVector3 writes mask[i] for pixels i in [first, end) exactly as the
// plain loop does (1 when dR^2 + dG^2 + dB^2 >= limit, else 0) and returns
// true; it returns false, writing nothing, when the processor lacks the
// instructions or limit is above 65535 (the plain loop then does the work).

#include <cstddef>
#include <cstdint>

#include "engine/image/color.h"

namespace trimlet::detail {

bool maskRowsVector3(const uint8_t* pixels, size_t first, size_t end, const Rgb& background,
                     int limit, uint8_t* mask);

}  // namespace trimlet::detail

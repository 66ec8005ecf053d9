// Skewing one line of 32-bit pixels: the public form of the shear rotation's
// inner loop (skew_core.h).

#include "engine/geometry/rotate.h"
#include "engine/geometry/skew_core.h"

namespace trimlet {

void skewLine(const uint32_t* source, ptrdiff_t sourceStep, int n, uint32_t* destination,
              ptrdiff_t destinationStep, int m, int offset, double weight, uint32_t background,
              bool edgeBlending) {
  if (!source || !destination) return;
  uint8_t table[256];
  geometry_detail::buildLeftTable(weight, table);
  geometry_detail::skewCore(geometry_detail::ConstWordPixels{source}, sourceStep, n,
                            geometry_detail::WordPixels{destination}, destinationStep, m, offset,
                            table, background, edgeBlending);
}

}  // namespace trimlet

#pragma once
// The rotation entries of rotate.h with a limit on the threads they use.
//
// rotateImage and quarterTurn (rotate.h) split images of about a megapixel
// and more between two threads. These forms take the limit: 1 keeps all the
// work on the calling thread (for callers that already keep every core busy,
// such as a batch running one job per core), 2 allows the second thread. The
// result is the same bytes whatever the limit. Failures as in rotate.h.

#include <cstdint>

#include "engine/image/image_buffer.h"

namespace trimlet {

Result<ImageBuffer> rotateImageWithWorkers(const ImageBuffer& source, double degrees,
                                           uint32_t background, bool edgeBlending, int maxWorkers);

Result<ImageBuffer> quarterTurnWithWorkers(const ImageBuffer& source, int quarters, int maxWorkers);

}  // namespace trimlet

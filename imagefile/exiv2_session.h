#pragma once
// Exiv2 as Trimlet uses it, internal to imagefile/: a one-time set-up (the
// XMP toolkit started with a lock, Exiv2's log routed to the thread that
// called it instead of standard error) and a guard that turns every
// exception Exiv2 throws into a reason.
//
// Threads: any number of threads may run work at once; the XMP toolkit's
// calls are serialised by the lock, EXIF decoding runs unlocked (it keeps
// no shared state).

#include <functional>
#include <string>
#include <vector>

namespace trimlet::exiv2_detail {

// At most this many of Exiv2's log messages are kept per call.
constexpr size_t kMessageLimit = 4;

// Runs `work` with Exiv2's warnings and errors of this thread collected into
// *messages. True when it ran through; false with *failure set when it threw.
bool runExiv2(const std::function<void()>& work, std::vector<std::string>* messages,
              std::string* failure);

// Runs `work` under the XMP lock, otherwise as runExiv2.
bool runExiv2Xmp(const std::function<void()>& work, std::vector<std::string>* messages,
                 std::string* failure);

}  // namespace trimlet::exiv2_detail

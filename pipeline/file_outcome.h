#pragma once
// What became of one file on its road: shown, written, skipped or failed, with
// the target written and the reason of a failure.

#include <string>

namespace trimlet {

struct FileOutcome {
  enum class Kind {
    kNotImage,     // the name has no image ending: nothing was done
    kMissing,      // the file chosen in the list has vanished
    kReadFailed,   // the reader returned no image
    kCropFailed,   // processing failed (memory)
    kProcessed,    // processed, nothing to write
    kWritten,      // written to `target`
    kSkipped,      // the overwrite check kept the existing target
    kWriteFailed,  // the writer failed; the target is untouched
  };
  Kind kind = Kind::kNotImage;
  std::string target;
  std::string reason;
  bool ok() const {
    return kind == Kind::kProcessed || kind == Kind::kWritten || kind == Kind::kSkipped;
  }
};

}  // namespace trimlet

#pragma once
// The overwrite decision of a batch.
//
// Before each write, CheckOverwrite(path) decides whether to write, to skip,
// or to write under another name:
//   - a target that does not exist is written;
//   - decision 4 (overwrite all) writes, 5 (skip all) skips, without asking;
//   - otherwise the prompt asks; its answer becomes the decision:
//       1 overwrite / 4 overwrite all: write;
//       2 skip / 5 skip all: skip;
//       3 rename: ask for a new full path, which goes through CheckOverwrite
//         itself (so a name that exists too is asked about again);
//       0 (the warning closed without an answer): skip. A file is never
//         overwritten unless an overwrite answer was given.
// The decision carries from file to file within one batch and is reset to 0
// at its start and end.

#include <string>

namespace trimlet {

enum class OverwriteChoice {
  kNone = 0,
  kOverwrite = 1,
  kSkip = 2,
  kRename = 3,
  kOverwriteAll = 4,
  kSkipAll = 5,
};

class OverwritePrompt {
 public:
  virtual ~OverwritePrompt() = default;
  // The warning "<shownName> already exists. Overwrite?"; OverwriteChoice::kNone when it
  // was closed without one of its buttons.
  virtual OverwriteChoice askOverwrite(const std::string& shownName, const std::string& path) = 0;
  // The new-filename dialog, `path` in its edit; false when no name can be
  // had (no one to answer), which skips the file.
  virtual bool askNewName(std::string& path) = 0;
};

// What a batch asks before each write: true when the write is to be skipped;
// `path` may be replaced (a rename).
class OverwritePolicy {
 public:
  virtual ~OverwritePolicy() = default;
  virtual bool keepExisting(std::string& path) = 0;
};

class OverwriteCheck : public OverwritePolicy {
 public:
  explicit OverwriteCheck(OverwritePrompt& prompt) : prompt_(prompt) {}
  bool keepExisting(std::string& path) override { return CheckOverwrite(path); }
  void reset() { decision_ = OverwriteChoice::kNone; }
  OverwriteChoice decision() const { return decision_; }
  void setDecision(OverwriteChoice choice) { decision_ = choice; }
  // True when the write is to be skipped; `path` may be replaced.
  bool CheckOverwrite(std::string& path);

 private:
  OverwritePrompt& prompt_;
  OverwriteChoice decision_ = OverwriteChoice::kNone;
};

}  // namespace trimlet

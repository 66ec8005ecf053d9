#pragma once
// Overwrite prompts of trimlet-batch.
//
// TerminalPrompt asks on the terminal, as the window's warning does:
// overwrite, skip or rename, the first two also "for all"; a rename asks for
// the new full path. End of input is a close without an answer (skip).
// SilentPrompt answers nothing (no terminal to ask): the file is skipped.

#include <cstdio>

#include "output/batch/overwrite_check.h"

namespace trimlet {

class TerminalPrompt : public OverwritePrompt {
 public:
  TerminalPrompt(FILE* in, FILE* out) : in_(in), out_(out) {}
  OverwriteChoice askOverwrite(const std::string& shownName, const std::string& path) override;
  bool askNewName(std::string& path) override;

 private:
  bool readLine(std::string& line);
  FILE* in_;
  FILE* out_;
};

class SilentPrompt : public OverwritePrompt {
 public:
  OverwriteChoice askOverwrite(const std::string&, const std::string&) override {
    return OverwriteChoice::kNone;
  }
  bool askNewName(std::string&) override { return false; }
};

}  // namespace trimlet

#include "cli/terminal_prompt.h"

namespace trimlet {

bool TerminalPrompt::readLine(std::string& line) {
  line.clear();
  int c;
  while ((c = std::fgetc(in_)) != EOF && c != '\n') line += static_cast<char>(c);
  return c != EOF || !line.empty();
}

OverwriteChoice TerminalPrompt::askOverwrite(const std::string& shownName, const std::string&) {
  for (;;) {
    std::fprintf(out_,
                 "%s\nalready exists. Overwrite? [o]verwrite, [s]kip, [r]ename, "
                 "[O]verwrite all, [S]kip all: ",
                 shownName.c_str());
    std::fflush(out_);
    std::string answer;
    if (!readLine(answer)) {
      std::fprintf(out_, "\n");
      return OverwriteChoice::kNone;
    }
    if (answer == "o") return OverwriteChoice::kOverwrite;
    if (answer == "s") return OverwriteChoice::kSkip;
    if (answer == "r") return OverwriteChoice::kRename;
    if (answer == "O") return OverwriteChoice::kOverwriteAll;
    if (answer == "S") return OverwriteChoice::kSkipAll;
  }
}

bool TerminalPrompt::askNewName(std::string& path) {
  std::fprintf(out_, "New Filename [%s]: ", path.c_str());
  std::fflush(out_);
  std::string answer;
  if (!readLine(answer)) {
    std::fprintf(out_, "\n");
    return false;
  }
  if (!answer.empty()) path = answer;
  return true;
}

}  // namespace trimlet

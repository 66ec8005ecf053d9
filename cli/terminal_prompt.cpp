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
      return kChoiceNone;
    }
    if (answer == "o") return kChoiceOverwrite;
    if (answer == "s") return kChoiceSkip;
    if (answer == "r") return kChoiceRename;
    if (answer == "O") return kChoiceOverwriteAll;
    if (answer == "S") return kChoiceSkipAll;
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

// The folder tree's path rules.
#include "browser/model/tree_paths.h"

namespace trimlet {

namespace {

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string WithTrailingSlash(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path;
  return path + "/";
}

std::string ItemPath(const std::vector<TreeStep>& chain, bool nodeHasChildren,
                     const std::vector<std::string>& driveStrings, const std::string& desktopPath) {
  if (chain.empty()) return "";
  // A folder node (or a drive node without a drive string) without any child
  // names a folder whose content is not shown as nodes: no final "/".
  auto finish = [&](std::string path, bool removable) {
    if (removable && !nodeHasChildren && !path.empty()) path.pop_back();
    return path;
  };
  const bool nodeIsFolder = chain.front().kind == TreeNodeKind::kFolder;
  std::string suffix;
  for (size_t i = 0; i < chain.size(); ++i) {
    const TreeStep& step = chain[i];
    switch (step.kind) {
      case TreeNodeKind::kComputer: return "";
      case TreeNodeKind::kDrive: {
        const bool known =
            step.position >= 0 && step.position < static_cast<int>(driveStrings.size());
        if (known)
          return finish(driveStrings[static_cast<size_t>(step.position)] + suffix, nodeIsFolder);
        return finish(suffix, nodeIsFolder || i == 0);
      }
      case TreeNodeKind::kDesktop:
        return finish(WithTrailingSlash(desktopPath) + suffix, nodeIsFolder);
      case TreeNodeKind::kFolder:
        if (!step.text.empty()) suffix = step.text + "/" + suffix;
        break;
    }
  }
  return finish(suffix, nodeIsFolder);
}

DriveMatch MatchDrive(const std::vector<std::string>& driveStrings, const std::string& path) {
  DriveMatch match;
  if (path.empty()) return match;
  const std::string p = WithTrailingSlash(path);
  size_t best = 0;
  for (size_t k = 0; k < driveStrings.size(); ++k) {
    const std::string& d = driveStrings[k];
    if (d.empty() || d.size() <= best || p.compare(0, d.size(), d) != 0) continue;
    best = d.size();
    match.index = static_cast<int>(k);
  }
  if (match.index >= 0) match.rest = p.substr(best);
  return match;
}

std::vector<std::string> SplitPathPieces(const std::string& path) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) pieces.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upperAscii(a[i]) != upperAscii(b[i])) return false;
  return true;
}

int FindFolderChild(const std::vector<std::string>& childTexts, const std::string& piece) {
  for (size_t k = 0; k < childTexts.size(); ++k)
    if (childTexts[k] == piece) return static_cast<int>(k);
  for (size_t k = 0; k < childTexts.size(); ++k)
    if (SameIgnoringAsciiCase(childTexts[k], piece)) return static_cast<int>(k);
  return -1;
}

}  // namespace trimlet

#pragma once
// The folder tree's path rules, over plain descriptions of its nodes.
//
// Nodes: "My Computer" (kComputer) with one child per drive string (kDrive,
// `position` = its index among those children, which is its index in the
// drive strings), the desktop node (kDesktop), and folders (kFolder) below
// either. Drive strings are the root paths of the mounted volumes, each
// ending with "/", "/" first.
//
// ItemPath(chain, hasChildren, drives, desktop): chain holds the node first,
// then its ancestors up to its root.
//   "My Computer"         ""
//   a drive               its drive string; "" when its position has none
//   the desktop           desktop + "/"
//   a folder              the path of its root, then every folder text with
//                         "/" after it; a folder node without any child
//                         (real or placeholder) loses the final "/"
//
// Finding a path's nodes (SelectPath): MatchDrive picks the drive string that
// is the longest prefix of the path (path + "/" when it lacks one, so a drive
// root matches itself; an empty path matches no drive); the rest of the path
// splits at "/" into pieces (empty pieces skipped), each found among a node's
// children by FindFolderChild: the first child whose text equals the piece
// exactly, else the first equal without regard to ASCII letter case. No
// match: -1.

#include <string>
#include <vector>

namespace trimlet {

enum class TreeNodeKind { kComputer, kDesktop, kDrive, kFolder };

struct TreeStep {
  TreeNodeKind kind = TreeNodeKind::kFolder;
  std::string text;
  int position = 0;  // drives only
};

std::string ItemPath(const std::vector<TreeStep>& chain, bool nodeHasChildren,
                     const std::vector<std::string>& driveStrings, const std::string& desktopPath);

struct DriveMatch {
  int index = -1;    // into the drive strings; -1 when none is a prefix
  std::string rest;  // the path after the drive string
};
DriveMatch MatchDrive(const std::vector<std::string>& driveStrings, const std::string& path);

std::vector<std::string> SplitPathPieces(const std::string& path);

int FindFolderChild(const std::vector<std::string>& childTexts, const std::string& piece);

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b);

// `path` with "/" appended when it does not end with one.
std::string WithTrailingSlash(const std::string& path);

}  // namespace trimlet

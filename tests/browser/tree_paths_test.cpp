// The folder tree's rules: node paths, finding a path's nodes, the drives
// and the subfolders shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "browser/model/subfolders.h"
#include "browser/model/tree_paths.h"
#include "browser/model/volumes.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

const std::vector<std::string> kDrives{"/", "/media/stick/"};
const std::string kDesktop = "/home/ann/Desktop";

TreeStep computer() { return {TreeNodeKind::kComputer, "My Computer", 0}; }
TreeStep drive(int position) { return {TreeNodeKind::kDrive, "label", position}; }
TreeStep desktop() { return {TreeNodeKind::kDesktop, "Desktop", 0}; }
TreeStep folder(const char* text) { return {TreeNodeKind::kFolder, text, 0}; }

struct PathCase {
  const char* label;
  std::vector<TreeStep> chain;  // node first
  bool hasChildren;
  const char* path;
};
void PrintTo(const PathCase& c, std::ostream* os) { *os << c.label; }

class ItemPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ItemPathTest, buildsThePathFromTheNodeUp) {
  const PathCase& c = GetParam();
  EXPECT_EQ(ItemPath(c.chain, c.hasChildren, kDrives, kDesktop), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Nodes, ItemPathTest,
    ::testing::Values(
        PathCase{"My Computer", {computer()}, true, ""},
        PathCase{"root drive", {drive(0), computer()}, true, "/"},
        PathCase{"drive without children keeps its slash",
                 {drive(1), computer()},
                 false,
                 "/media/stick/"},
        PathCase{"drive position without a drive string", {drive(5), computer()}, true, ""},
        PathCase{"desktop", {desktop()}, true, "/home/ann/Desktop/"},
        PathCase{"folder with children", {folder("usr"), drive(0), computer()}, true, "/usr/"},
        PathCase{"folder without children",
                 {folder("lib"), folder("usr"), drive(0), computer()},
                 false,
                 "/usr/lib"},
        PathCase{"folder on the second drive",
                 {folder("DCIM"), drive(1), computer()},
                 true,
                 "/media/stick/DCIM/"},
        PathCase{"folder on the desktop",
                 {folder("Scans"), desktop()},
                 false,
                 "/home/ann/Desktop/Scans"},
        PathCase{"placeholder text adds nothing",
                 {folder(""), folder("usr"), drive(0), computer()},
                 false,
                 "/usr"}));

TEST(MatchDrive, theLongestDriveStringThatStartsThePath) {
  DriveMatch m = MatchDrive(kDrives, "/media/stick/DCIM/100/");
  EXPECT_EQ(m.index, 1);
  EXPECT_EQ(m.rest, "DCIM/100/");
  m = MatchDrive(kDrives, "/media/stick");  // a drive root without its slash
  EXPECT_EQ(m.index, 1);
  EXPECT_EQ(m.rest, "");
  m = MatchDrive(kDrives, "/media/sticks/a");  // not a prefix at a folder boundary
  EXPECT_EQ(m.index, 0);
  EXPECT_EQ(m.rest, "media/sticks/a/");
  m = MatchDrive(kDrives, "/MEDIA/STICK/x");  // drives match exactly; folders find the rest
  EXPECT_EQ(m.index, 0);
  EXPECT_EQ(MatchDrive(kDrives, "relative/path").index, -1);
  EXPECT_EQ(MatchDrive(kDrives, "").index, -1);
}

TEST(SplitPathPieces, skipsEmptyPieces) {
  EXPECT_EQ(SplitPathPieces("usr//lib/x86/"), (std::vector<std::string>{"usr", "lib", "x86"}));
  EXPECT_TRUE(SplitPathPieces("/").empty());
  EXPECT_TRUE(SplitPathPieces("").empty());
  EXPECT_EQ(SplitPathPieces("a"), (std::vector<std::string>{"a"}));
}

TEST(FindFolderChild, exactNameFirstThenWithoutRegardToCase) {
  const std::vector<std::string> children{"Photos", "photos", "Scans", "\xC3\x84pfel"};
  EXPECT_EQ(FindFolderChild(children, "photos"), 1);
  EXPECT_EQ(FindFolderChild(children, "Photos"), 0);
  EXPECT_EQ(FindFolderChild(children, "PHOTOS"), 0);
  EXPECT_EQ(FindFolderChild(children, "sCANS"), 2);
  EXPECT_EQ(FindFolderChild(children, "\xC3\x84pfel"), 3);
  EXPECT_EQ(FindFolderChild(children, "Scan"), -1);
  EXPECT_EQ(FindFolderChild({}, "a"), -1);
}

TEST(Volumes, realFileSystemsOnlyRootFirst) {
  const std::vector<VolumeInfo> volumes{
      {"/proc", "proc", true, true},          {"/home", "ext4", true, true},
      {"/", "overlay", true, true},           {"/dev/shm", "tmpfs", true, true},
      {"/run", "tmpfs", true, true},          {"/sys/fs/cgroup", "cgroup2", true, true},
      {"/media/ann/USB", "vfat", true, true}, {"/etc/hosts", "ext4", true, false},
      {"/mnt/gone", "ext4", false, true},     {"/snap/core/1", "squashfs", true, true},
      {"/home/", "ext4", true, true}};
  EXPECT_EQ(DriveStrings(volumes), (std::vector<std::string>{"/", "/home/", "/media/ann/USB/"}));
  EXPECT_EQ(DriveStrings({}), (std::vector<std::string>{"/"}));
}

TEST(Subfolders, everyFolderHiddenOnesAndLinksIncludedFilesNever) {
  test::TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directory(dir.file("b"));
  fs::create_directory(dir.file(".hidden"));
  fs::create_directory(dir.file("A"));
  fs::create_directory_symlink(dir.file("b"), dir.file("link"));
  test::writeFileBytes(dir.file("file.png"), {1});
  std::vector<std::string> names = ListSubfolders(dir.path());
  SortFolderNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{".hidden", "A", "b", "link"}));
  EXPECT_TRUE(HasSubfolders(dir.path()));
  EXPECT_TRUE(HasSubfolders(dir.path() + "/"));
}

TEST(Subfolders, aFolderOfFilesOrAMissingFolderHasNone) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("a.jpg"), {1});
  test::writeFileBytes(dir.file("b.txt"), {1});
  EXPECT_FALSE(HasSubfolders(dir.path()));
  EXPECT_TRUE(ListSubfolders(dir.path()).empty());
  EXPECT_FALSE(HasSubfolders(dir.file("absent")));
  EXPECT_TRUE(ListSubfolders(dir.file("absent")).empty());
}

TEST(Subfolders, sortByNameCaseIgnoredTiesByBytes) {
  std::vector<std::string> names{"zeta", "Beta", "alpha", "beta", "_x"};
  SortFolderNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"_x", "alpha", "Beta", "beta", "zeta"}));
}

}  // namespace
}  // namespace trimlet

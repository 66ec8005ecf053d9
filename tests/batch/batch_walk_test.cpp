// The scan of the folder tree, the order of work and the output tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "output/batch/batch_walk.h"
#include "output/batch/folder_scan.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

namespace fs = std::filesystem;

class BatchTree : public ::testing::Test {
 protected:
  void touch(const std::string& relative) {
    const fs::path path = fs::path(dir.path()) / relative;
    fs::create_directories(path.parent_path());
    test::writeFileBytes(path.string(), {0});
  }
  void folder(const std::string& relative) {
    fs::create_directories(fs::path(dir.path()) / relative);
  }
  std::string root() const { return dir.path() + "/"; }
  test::TempDir dir;
};

TEST_F(BatchTree, CountsImageEndingsOnly) {
  touch("a.jpg");
  touch("b.PNG");
  touch("c.Tga");
  touch("d.bmp");
  touch("e.jpeg");
  touch("notes.txt");
  touch("xjpg");
  std::vector<std::string> queue;
  EXPECT_EQ(CountImageFiles(root(), false, queue), 5);
  EXPECT_TRUE(queue.empty());
}

TEST_F(BatchTree, QueuesAFolderAfterItsOwnSubfoldersAndOnlyWithImages) {
  touch("top.jpg");
  touch("a/one.jpg");
  touch("a/deep/two.png");
  folder("empty/inner");
  touch("b/only/three.bmp");  // b itself holds no image, only its subfolder
  touch("b/readme.txt");
  std::vector<std::string> queue;
  EXPECT_EQ(CountImageFiles(root(), true, queue), 4);
  auto position = [&](const std::string& rel) {
    return std::find(queue.begin(), queue.end(), root() + rel) - queue.begin();
  };
  ASSERT_EQ(queue.size(), 4u);
  EXPECT_LT(position("a/deep/"), position("a/"));
  EXPECT_LT(position("b/only/"), position("b/"));
  EXPECT_EQ(std::count(queue.begin(), queue.end(), root() + "empty/"), 0);
}

TEST_F(BatchTree, WithoutRecursionFoldersAreNotEntered) {
  touch("a/one.jpg");
  std::vector<std::string> queue;
  EXPECT_EQ(CountImageFiles(root(), false, queue), 0);
}

TEST_F(BatchTree, HiddenFoldersAndLinksAreNotDescended) {
  touch(".hidden/one.jpg");
  touch("real/two.jpg");
  fs::create_directory_symlink(fs::path(dir.path()) / "real", fs::path(dir.path()) / "link");
  std::vector<std::string> queue;
  EXPECT_EQ(CountImageFiles(root(), true, queue), 1);
  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue[0], root() + "real/");
}

TEST_F(BatchTree, AMissingFolderCountsNothing) {
  std::vector<std::string> queue;
  EXPECT_EQ(CountImageFiles(root() + "nowhere/", true, queue), 0);
}

TEST_F(BatchTree, FilesOfAFolderComeInReverseListingOrderAndFoldersBeforeTheirSubfolders) {
  touch("src/1.jpg");
  touch("src/2.jpg");
  touch("src/3.jpg");
  touch("src/skip.txt");
  touch("src/a/4.jpg");
  touch("src/a/b/5.jpg");
  const std::string source = root() + "src/";
  std::vector<std::string> queue;
  ASSERT_EQ(CountImageFiles(source, true, queue), 5);

  std::vector<FolderEntry> listing;
  ASSERT_TRUE(listFolder(source, listing));
  std::vector<std::string> expectedTop;
  for (auto it = listing.rbegin(); it != listing.rend(); ++it)
    if (!it->plainFolder && it->name != "skip.txt") expectedTop.push_back(it->name);

  folder("out");
  BatchWalk walk(source, root() + "out/", queue);
  std::vector<BatchItem> items;
  BatchItem item;
  while (walk.next(item)) items.push_back(item);
  ASSERT_EQ(items.size(), 5u);
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].number, int(i) + 1);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(items[i].name, expectedTop[i]);
    EXPECT_EQ(items[i].folder, source);
    EXPECT_EQ(items[i].outputFolder, root() + "out/");
  }
  EXPECT_EQ(items[3].name, "4.jpg");
  EXPECT_EQ(items[3].outputFolder, root() + "out/a/");
  EXPECT_EQ(items[4].name, "5.jpg");
  EXPECT_EQ(items[4].folder, source + "a/b/");
  EXPECT_EQ(items[4].outputFolder, root() + "out/a/b/");
  EXPECT_TRUE(fs::is_directory(root() + "out/a/b"));
}

TEST_F(BatchTree, TheOutputTreeMirrorsFoldersThatHoldImages) {
  touch("src/b/only/three.bmp");
  folder("src/empty");
  folder("out");
  std::vector<std::string> queue;
  ASSERT_EQ(CountImageFiles(root() + "src/", true, queue), 1);
  BatchWalk walk(root() + "src/", root() + "out/", queue);
  BatchItem item;
  ASSERT_TRUE(walk.next(item));
  EXPECT_EQ(item.outputFolder, root() + "out/b/only/");
  EXPECT_FALSE(walk.next(item));
  EXPECT_TRUE(fs::is_directory(root() + "out/b"));
  EXPECT_TRUE(fs::is_directory(root() + "out/b/only"));
  EXPECT_FALSE(fs::exists(root() + "out/empty"));
}

TEST_F(BatchTree, ADryWalkMakesNoFolders) {
  touch("src/a/one.jpg");
  folder("out");
  std::vector<std::string> queue;
  ASSERT_EQ(CountImageFiles(root() + "src/", true, queue), 1);
  BatchWalk walk(root() + "src/", root() + "out/", queue, false);
  BatchItem item;
  ASSERT_TRUE(walk.next(item));
  EXPECT_FALSE(fs::exists(root() + "out/a"));
}

}  // namespace
}  // namespace trimlet

// The file list's order: the quicksort over one column's texts, and a real
// folder listed, filtered and sorted as the list does it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "browser/model/folder_entries.h"
#include "browser/model/sort_by_column.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

ListTable tableOf(const std::vector<std::string>& sortTexts) {
  ListTable rows;
  for (size_t k = 0; k < sortTexts.size(); ++k) {
    ListRow row;
    row.texts[kColumnSort] = sortTexts[k];
    row.texts[kColumnName] = "name of " + sortTexts[k];
    row.image = static_cast<int>(k);
    row.state = static_cast<unsigned>(k) * 10;
    row.param = static_cast<intptr_t>(k) * 100;
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> column(const ListTable& rows, int c) {
  std::vector<std::string> out;
  for (const ListRow& r : rows) out.push_back(r.texts[c]);
  return out;
}

std::vector<int> images(const ListTable& rows) {
  std::vector<int> out;
  for (const ListRow& r : rows) out.push_back(r.image);
  return out;
}

struct SortCase {
  const char* label;
  std::vector<std::string> input;
  bool ascending;
  std::vector<int> expectedImages;  // which input row ends up at each place
};
void PrintTo(const SortCase& c, std::ostream* os) { *os << c.label; }

class SortByColumnTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortByColumnTest, ordersRowsWithTheirImages) {
  const SortCase& c = GetParam();
  ListTable rows = tableOf(c.input);
  SortByColumn(rows, c.ascending, kColumnSort, 0, -1);
  EXPECT_EQ(images(rows), c.expectedImages)
      << "sorted texts: " << ::testing::PrintToString(column(rows, kColumnSort));
  for (const ListRow& r : rows) {
    // The whole item moved: its other texts, state and parameter with it.
    EXPECT_EQ(r.texts[kColumnName], "name of " + r.texts[kColumnSort]);
    EXPECT_EQ(r.state, static_cast<unsigned>(r.image) * 10);
    EXPECT_EQ(r.param, static_cast<intptr_t>(r.image) * 100);
  }
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, SortByColumnTest,
    ::testing::Values(
        SortCase{"empty", {}, true, {}}, SortCase{"one", {"2a"}, true, {0}},
        SortCase{"folders before files, case ignored",
                 {"2b.JPG", "2A.png", "1Z", "1c"},
                 true,
                 {3, 2, 1, 0}},
        SortCase{"descending", {"2b.JPG", "2A.png", "1Z", "1c"}, false, {0, 1, 2, 3}},
        // Texts equal as they stand are never swapped ...
        SortCase{"equal texts stay", {"2x", "2x", "2x"}, true, {0, 1, 2}},
        // ... texts equal only when lower-cased are.
        SortCase{"case twins swap", {"2B", "2b"}, true, {1, 0}},
        SortCase{"already sorted", {"1a", "1b", "2a", "2b", "2c"}, true, {0, 1, 2, 3, 4}},
        SortCase{"reversed", {"2e", "2d", "2c", "2b", "2a"}, true, {4, 3, 2, 1, 0}},
        // Lower-casing is byte-wise: "_" (0x5F) sorts after upper-case
        // letters but before lower-case ones, and so before "a" and "A" alike.
        SortCase{"byte-wise after lower-casing", {"2a", "2_", "2A0"}, true, {1, 0, 2}}));

TEST(SortByColumn, sortsOnlyTheGivenRange) {
  ListTable rows = tableOf({"2d", "2c", "2b", "2a"});
  SortByColumn(rows, true, kColumnSort, 1, 2);
  EXPECT_EQ(column(rows, kColumnSort), (std::vector<std::string>{"2d", "2b", "2c", "2a"}));
}

TEST(SortByColumn, ignoresAColumnOrRangeOutsideTheTable) {
  ListTable rows = tableOf({"2b", "2a"});
  SortByColumn(rows, true, 5, 0, -1);
  SortByColumn(rows, true, -1, 0, -1);
  SortByColumn(rows, true, kColumnSort, 0, 7);
  EXPECT_EQ(images(rows), (std::vector<int>{0, 1}));
}

TEST(SortByColumn, largeTablesEndSortedAsAPermutation) {
  std::mt19937 random(7);
  std::vector<std::string> texts;
  for (int k = 0; k < 60000; ++k) {
    std::string t = random() % 5 == 0 ? "1" : "2";
    const int length = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < length; ++i) t += "aBcDeF_."[random() % 8];
    texts.push_back(t);
  }
  ListTable rows = tableOf(texts);
  SortByColumn(rows, true, kColumnSort, 0, -1);
  for (size_t k = 1; k < rows.size(); ++k)
    ASSERT_LE(LowerCased(rows[k - 1].texts[kColumnSort]), LowerCased(rows[k].texts[kColumnSort]))
        << "at " << k;
  std::vector<int> seen = images(rows);
  std::sort(seen.begin(), seen.end());
  for (size_t k = 0; k < seen.size(); ++k) ASSERT_EQ(seen[k], static_cast<int>(k));
}

// A folder as the list fills it: enumerate, filter, number, sort by column 4.
std::vector<std::string> listedNames(const std::string& folder) {
  ListTable rows;
  for (const ListEntry& e : ReadListEntries(folder))
    rows.push_back(MakeListRow(e, static_cast<int>(rows.size())));
  SortByColumn(rows, true, kColumnSort, 0, -1);
  return column(rows, kColumnName);
}

TEST(FolderListing, foldersFirstThenImageFilesEachByLowerCasedName) {
  test::TempDir dir;
  for (const char* name : {"b.JPG", "A.png", "readme.txt", "photo.jpeg"})
    test::writeFileBytes(dir.file(name), {1, 2, 3});
  std::filesystem::create_directory(dir.file("Z"));
  std::filesystem::create_directory(dir.file("c"));
  EXPECT_EQ(listedNames(dir.path() + "/"), (std::vector<std::string>{"c", "Z", "A.png", "b.JPG"}));
}

TEST(FolderListing, imageNumbersFollowTheEnumerationOrder) {
  test::TempDir dir;
  for (const char* name : {"x.bmp", "y.tga", "z.PNG"}) test::writeFileBytes(dir.file(name), {0});
  const std::vector<ListEntry> entries = ReadListEntries(dir.path() + "/");
  ASSERT_EQ(entries.size(), 3u);
  for (size_t k = 0; k < entries.size(); ++k)
    EXPECT_EQ(MakeListRow(entries[k], static_cast<int>(k)).image, static_cast<int>(k));
}

}  // namespace
}  // namespace trimlet

// The file list's column texts and its filter, and the file status behind
// the size and time columns.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "browser/model/folder_entries.h"
#include "browser/model/list_texts.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct NameCase {
  const char* name;
  bool folder;
  bool listed;
  const char* type;
};
void PrintTo(const NameCase& c, std::ostream* os) {
  *os << '"' << c.name << '"' << (c.folder ? " (folder)" : "");
}

class ListedNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ListedNameTest, filterAndTypeText) {
  const NameCase& c = GetParam();
  EXPECT_EQ(IsListedEntry(c.name, c.folder), c.listed);
  if (c.listed) {
    EXPECT_EQ(TypeText(c.name, c.folder), c.type);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ListedNameTest,
    ::testing::Values(
        NameCase{"b.JPG", false, true, "JPEG File"}, NameCase{"a.jpg", false, true, "JPEG File"},
        NameCase{"scan.Tga", false, true, "Targa File"},
        NameCase{"old.bmp", false, true, "Bitmap File"}, NameCase{"A.png", false, true, "PNG File"},
        NameCase{"photoxjpg", false, true, "JPEG File"},  // the last three letters only
        NameCase{"photo.jpeg", false, false, ""}, NameCase{"readme.txt", false, false, ""},
        NameCase{"pg", false, false, ""}, NameCase{"holiday.png.txt", false, false, ""},
        NameCase{"c", true, true, "Directory"},
        NameCase{"pictures.jpeg", true, true, "Directory"},  // folders whatever the name
        NameCase{".hidden", true, true, "Directory"}, NameCase{".", true, false, ""},
        NameCase{"..", true, false, ""}));

TEST(SizeText, kilobytesRoundedDown) {
  EXPECT_EQ(SizeText(0, false), "0KB");
  EXPECT_EQ(SizeText(1023, false), "0KB");
  EXPECT_EQ(SizeText(1024, false), "1KB");
  EXPECT_EQ(SizeText(2048, false), "2KB");
  EXPECT_EQ(SizeText(5ull * 1024 * 1024 * 1024, false), "5242880KB");  // beyond 32 bits
  EXPECT_EQ(SizeText(4096, true), " ");
}

struct TimeCase {
  std::time_t seconds;
  const char* text;
};
void PrintTo(const TimeCase& c, std::ostream* os) { *os << c.seconds << " s"; }

class TimeTextTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeTextTest, yearMonthDayThreeSpacesHourMinuteInUtc) {
  EXPECT_EQ(TimeText(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(KnownAnswers, TimeTextTest,
                         ::testing::Values(TimeCase{0, "1970-01-01   0:0"},
                                           TimeCase{1709622480, "2024-03-05   7:8"},   // 07:08:00
                                           TimeCase{978307199, "2000-12-31   23:59"},  // 23:59:59
                                           TimeCase{951782400, "2000-02-29   0:0"},
                                           TimeCase{-86400, "1969-12-31   0:0"}));

TEST(ListEntries, sizeAndTimeColumnsFromTheFileStatus) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("small.png"), std::vector<uint8_t>(1023, 7));
  test::writeFileBytes(dir.file("two.bmp"), std::vector<uint8_t>(2048, 7));
  std::filesystem::create_directory(dir.file("sub"));
  const utimbuf times{1709622480, 1709622480};
  ASSERT_EQ(::utime(dir.file("two.bmp").c_str(), &times), 0);
  ASSERT_EQ(::utime(dir.file("sub").c_str(), &times), 0);

  std::vector<ListRow> rows;
  for (const ListEntry& e : ReadListEntries(dir.path() + "/")) rows.push_back(MakeListRow(e, 0));
  ASSERT_EQ(rows.size(), 3u);
  for (const ListRow& row : rows) {
    const std::string& name = row.texts[kColumnName];
    if (name == "small.png") {
      EXPECT_EQ(row.texts[kColumnSize], "0KB");
      EXPECT_EQ(row.texts[kColumnSort], "2small.png");
    } else if (name == "two.bmp") {
      EXPECT_EQ(row.texts[kColumnSize], "2KB");
      EXPECT_EQ(row.texts[kColumnModified], "2024-03-05   7:8");
      EXPECT_EQ(row.texts[kColumnType], "Bitmap File");
    } else {
      EXPECT_EQ(name, "sub");
      EXPECT_EQ(row.texts[kColumnSize], " ");
      EXPECT_EQ(row.texts[kColumnModified], "2024-03-05   7:8");
      EXPECT_EQ(row.texts[kColumnType], "Directory");
      EXPECT_EQ(row.texts[kColumnSort], "1sub");
    }
  }
}

TEST(ListEntries, unreadableStatusLeavesBlankColumns) {
  ListEntry entry;
  entry.name = "gone.jpg";
  const ListRow row = MakeListRow(entry, 3);
  EXPECT_EQ(row.texts[kColumnSize], " ");
  EXPECT_EQ(row.texts[kColumnModified], " ");
  EXPECT_EQ(row.texts[kColumnType], "JPEG File");
  EXPECT_EQ(row.image, 3);
}

TEST(ListEntries, hiddenFoldersAndLinksToFoldersAreFolders) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.file(".cache"));
  std::filesystem::create_directory(dir.file("real"));
  std::filesystem::create_directory_symlink(dir.file("real"), dir.file("link"));
  // A dangling link with an image ending stays a file whose status is unknown.
  std::filesystem::create_symlink(dir.file("nowhere"), dir.file("dangling.png"));
  int folders = 0;
  bool danglingSeen = false;
  for (const ListEntry& e : ReadListEntries(dir.path() + "/")) {
    if (e.folder) ++folders;
    if (e.name == "dangling.png") {
      danglingSeen = true;
      EXPECT_FALSE(e.folder);
      EXPECT_FALSE(e.statusRead);
    }
  }
  EXPECT_EQ(folders, 3);
  EXPECT_TRUE(danglingSeen);
}

TEST(ListEntries, aMissingFolderListsNothing) {
  test::TempDir dir;
  EXPECT_TRUE(ReadListEntries(dir.file("absent") + "/").empty());
}

}  // namespace
}  // namespace trimlet

// The folder above a folder, as the parent-folder command asks for it.
#include "preview/model/parent_folder.h"

#include <gtest/gtest.h>

namespace trimlet {
namespace {

struct ParentCase {
  const char* folder;
  const char* parent;
};
void PrintTo(const ParentCase& c, std::ostream* os) { *os << '"' << c.folder << '"'; }

class ParentFolderTable : public ::testing::TestWithParam<ParentCase> {};

TEST_P(ParentFolderTable, DropsTheLastFolder) {
  EXPECT_EQ(parentFolderOf(GetParam().folder), GetParam().parent);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ParentFolderTable,
    ::testing::Values(ParentCase{"/pics/old/", "/pics/"}, ParentCase{"/pics/", "/"},
                      ParentCase{"/", "/"}, ParentCase{"", "/"}, ParentCase{"/a/b/c/d/", "/a/b/c/"},
                      // Without the trailing "/" the last character still goes.
                      ParentCase{"/pics/old", "/pics/"}, ParentCase{"relative/", "/"},
                      ParentCase{"a/b/", "a/"}));

}  // namespace
}  // namespace trimlet

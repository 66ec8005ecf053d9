// The overwrite decision and the texts of the batch.
#include <gtest/gtest.h>

#include <deque>

#include "output/batch/batch_text.h"
#include "output/batch/overwrite_check.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

class ScriptedPrompt : public OverwritePrompt {
 public:
  OverwriteChoice askOverwrite(const std::string& shownName, const std::string&) override {
    asked.push_back(shownName);
    if (answers.empty()) return OverwriteChoice::kNone;
    const OverwriteChoice answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool askNewName(std::string& path) override {
    if (names.empty()) return false;
    path = names.front();
    names.pop_front();
    return true;
  }
  std::deque<OverwriteChoice> answers;
  std::deque<std::string> names;
  std::vector<std::string> asked;
};

class Overwrite : public ::testing::Test {
 protected:
  Overwrite() : check(prompt) {
    test::writeFileBytes(dir.file("a.jpg"), {1});
    test::writeFileBytes(dir.file("b.jpg"), {1});
  }
  test::TempDir dir;
  ScriptedPrompt prompt;
  OverwriteCheck check;
};

TEST_F(Overwrite, AMissingTargetIsWrittenWithoutAsking) {
  std::string path = dir.file("new.jpg");
  EXPECT_FALSE(check.CheckOverwrite(path));
  EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Overwrite, SingleAnswersAskAgainForTheNextFile) {
  prompt.answers = {OverwriteChoice::kOverwrite, OverwriteChoice::kSkip};
  std::string a = dir.file("a.jpg"), b = dir.file("b.jpg");
  EXPECT_FALSE(check.CheckOverwrite(a));
  EXPECT_TRUE(check.CheckOverwrite(b));
  EXPECT_EQ(prompt.asked.size(), 2u);
}

TEST_F(Overwrite, AllAnswersCarryThroughOneBatchOnly) {
  prompt.answers = {OverwriteChoice::kSkipAll, OverwriteChoice::kOverwriteAll};
  std::string a = dir.file("a.jpg"), b = dir.file("b.jpg");
  EXPECT_TRUE(check.CheckOverwrite(a));
  EXPECT_TRUE(check.CheckOverwrite(b));
  EXPECT_EQ(prompt.asked.size(), 1u);
  check.reset();  // the next batch asks again
  EXPECT_FALSE(check.CheckOverwrite(a));
  EXPECT_FALSE(check.CheckOverwrite(b));
  EXPECT_EQ(prompt.asked.size(), 2u);
}

TEST_F(Overwrite, ARenameOntoAnExistingNameAsksAgain) {
  prompt.answers = {OverwriteChoice::kRename, OverwriteChoice::kRename,
                    OverwriteChoice::kOverwrite};
  prompt.names = {dir.file("b.jpg"), dir.file("c.jpg")};
  std::string path = dir.file("a.jpg");
  EXPECT_FALSE(check.CheckOverwrite(path));
  EXPECT_EQ(path, dir.file("c.jpg"));
  EXPECT_EQ(prompt.asked.size(), 2u);  // a.jpg, then b.jpg; c.jpg is new
}

TEST_F(Overwrite, ACloseWithoutAnAnswerSkips) {
  std::string path = dir.file("a.jpg");
  EXPECT_TRUE(check.CheckOverwrite(path));
  prompt.answers = {OverwriteChoice::kRename};  // and a rename nobody completes
  EXPECT_TRUE(check.CheckOverwrite(path));
  EXPECT_EQ(path, dir.file("a.jpg"));
}

struct TextCase {
  size_t length;
  bool shortened;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.length << " characters"; }

class StatusText : public ::testing::TestWithParam<TextCase> {};
TEST_P(StatusText, ShortensPathsLongerThan33) {
  std::string path;
  for (size_t i = 0; i < GetParam().length; ++i) path += char('a' + i % 26);
  const std::string text = statusText(path, 3, 12);
  const std::string shown =
      GetParam().shortened ? path.substr(0, 15) + "..." + path.substr(path.size() - 15) : path;
  EXPECT_EQ(text, shown + "    3/12");
}
INSTANTIATE_TEST_SUITE_P(Lengths, StatusText,
                         ::testing::Values(TextCase{10, false}, TextCase{33, false},
                                           TextCase{34, true}, TextCase{80, true}));

TEST(OverwriteName, ShortensPathsLongerThan35WithSixDots) {
  const std::string p35(35, 'x');
  EXPECT_EQ(overwriteShownName(p35), p35);
  const std::string p36 = std::string(15, 'a') + "123456" + std::string(15, 'b');
  EXPECT_EQ(overwriteShownName(p36), std::string(15, 'a') + "......" + std::string(15, 'b'));
}

}  // namespace
}  // namespace trimlet

// The overwrite questions of trimlet-batch on a terminal.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "cli/terminal_prompt.h"

namespace trimlet {
namespace {

class Terminal {
 public:
  explicit Terminal(const char* typed) : input_(typed) {
    in_ = fmemopen(const_cast<char*>(input_.data()), input_.size(), "r");
    out_ = open_memstream(&buffer_, &size_);
  }
  ~Terminal() {
    std::fclose(in_);
    std::fclose(out_);
    std::free(buffer_);
  }
  TerminalPrompt prompt() { return TerminalPrompt(in_, out_); }
  std::string shown() {
    std::fflush(out_);
    return std::string(buffer_, size_);
  }

 private:
  std::string input_;
  FILE* in_;
  FILE* out_;
  char* buffer_ = nullptr;
  size_t size_ = 0;
};

struct AnswerCase {
  const char* typed;
  OverwriteChoice expected;
};
void PrintTo(const AnswerCase& c, std::ostream* os) { *os << "typed '" << c.typed << "'"; }

class OverwriteAnswer : public ::testing::TestWithParam<AnswerCase> {};
TEST_P(OverwriteAnswer, MapsTheLetters) {
  Terminal t(GetParam().typed);
  TerminalPrompt p = t.prompt();
  EXPECT_EQ(p.askOverwrite("out/a.jpg", "out/a.jpg"), GetParam().expected);
  EXPECT_NE(t.shown().find("out/a.jpg\nalready exists. Overwrite?"), std::string::npos);
}
INSTANTIATE_TEST_SUITE_P(
    Letters, OverwriteAnswer,
    ::testing::Values(AnswerCase{"o\n", OverwriteChoice::kOverwrite},
                      AnswerCase{"s\n", OverwriteChoice::kSkip},
                      AnswerCase{"r\n", OverwriteChoice::kRename},
                      AnswerCase{"O\n", OverwriteChoice::kOverwriteAll},
                      AnswerCase{"S\n", OverwriteChoice::kSkipAll},
                      // Anything else asks again; the end of input is no answer.
                      AnswerCase{"yes\nS\n", OverwriteChoice::kSkipAll},
                      AnswerCase{"", OverwriteChoice::kNone},
                      AnswerCase{"maybe\n", OverwriteChoice::kNone}));

TEST(NewName, TakesTheTypedPathOrKeepsTheOldOne) {
  Terminal typed("out/b.jpg\n");
  std::string path = "out/a.jpg";
  TerminalPrompt p = typed.prompt();
  EXPECT_TRUE(p.askNewName(path));
  EXPECT_EQ(path, "out/b.jpg");

  Terminal empty("\n");
  TerminalPrompt q = empty.prompt();
  EXPECT_TRUE(q.askNewName(path));
  EXPECT_EQ(path, "out/b.jpg");

  Terminal gone("");
  TerminalPrompt r = gone.prompt();
  EXPECT_FALSE(r.askNewName(path));
}

}  // namespace
}  // namespace trimlet

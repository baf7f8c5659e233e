#include <gtest/gtest.h>

#include "molfile/MolFile.h"

namespace {

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  Tokenize(line, tokens);
  return tokens;
}

using V = std::vector<std::string>;

}  // namespace

// Every byte in three classes: kept in a token, separating tokens, or dropped.
TEST(Tokenize, EveryByteHasItsClass) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const std::vector<std::string> tokens = Tokens(std::string("a") + c + "b");
    SCOPED_TRACE(b);
    const bool separator = b == 0x20 || b == 0x09 || b == 0x2C || b == 0x0A || b == 0x0D || b == 0x00;
    const bool kept = (b >= 0x21 && b <= 0x2B) || (b >= 0x2D && b <= 0x7E);
    if (separator) EXPECT_EQ(tokens, (V{"a", "b"}));
    else if (kept) EXPECT_EQ(tokens, (V{std::string("a") + c + "b"}));
    else EXPECT_EQ(tokens, (V{"ab"}));
  }
}

TEST(Tokenize, Lines) {
  EXPECT_EQ(Tokens(" C1, 0.0\t1.5 "), (V{"C1", "0.0", "1.5"}));
  EXPECT_EQ(Tokens(",,,,"), V{});
  EXPECT_EQ(Tokens(""), V{});
  EXPECT_EQ(Tokens("x=1,y=2"), (V{"x=1", "y=2"}));
  EXPECT_EQ(Tokens("\x93\x94"), V{});  // only dropped bytes: no empty token
  EXPECT_EQ(Tokens(std::string("a\0b", 3)), (V{"a", "b"}));
  EXPECT_EQ(Tokens("0123456789abcdefghijklmnopqrstuvwxyz"),
            (V{"0123456789abcdefghijklmnopqrstuvwxyz"}));  // longer than a short string
}

TEST(Tokenize, AppendsToWhatIsThere) {
  std::vector<std::string> tokens{"old"};
  Tokenize("new one", tokens);
  EXPECT_EQ(tokens, (V{"old", "new", "one"}));
}

#include "engine/Scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ScrambleLine, IsItsOwnInverse) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (const std::string& line : {std::string("[Game]"), std::string("Office=\xED\xE5\xF2"), all}) {
    const std::string once = ScrambleLine(line, kScrambleKey);
    EXPECT_EQ(once.size(), line.size());
    EXPECT_NE(once, line);
    EXPECT_EQ(ScrambleLine(once, kScrambleKey), line);
  }
}

TEST(ScrambleLine, EmptyLineStaysEmpty) { EXPECT_EQ(ScrambleLine("", kScrambleKey), ""); }

TEST(ScrambleLine, TheGameKeyIsOneByte) {
  ASSERT_EQ(std::string(kScrambleKey), "\xA7");
  EXPECT_EQ(ScrambleLine("\x01\xA7\xAA\xAD", kScrambleKey), std::string("\xA6\x00\x0D\x0A", 4));
}

TEST(ScrambleLine, LongerKeysStartFromTheirSecondCharacter) {
  // Character i (from 1) takes key character (i mod L) + 1: for "ab" that is
  // b, a, b, a ...
  EXPECT_EQ(ScrambleLine(std::string(4, '\0'), "ab"), "baba");
  EXPECT_EQ(ScrambleLine(std::string(3, '\0'), "xyz"), "yzx");
}

}  // namespace

#include "platform/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

std::string AllBytesExcept98() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x98) bytes += static_cast<char>(b);
  }
  return bytes;
}

TEST(Cp1251, EveryDefinedByteSurvivesTheRoundTrip) {
  const std::string bytes = AllBytesExcept98();
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(bytes)), bytes);
}

TEST(Cp1251, RussianLettersAndTheSignsTheGameUses) {
  EXPECT_EQ(Utf8ToCp1251("Ё"), "\xA8");
  EXPECT_EQ(Utf8ToCp1251("ё"), "\xB8");
  EXPECT_EQ(Utf8ToCp1251("№"), "\xB9");
  EXPECT_EQ(Utf8ToCp1251("АЯая"), "\xC0\xDF\xE0\xFF");
  EXPECT_EQ(Utf8ToCp1251("ї"), "\xBF");
  EXPECT_EQ(Utf8ToCp1251("«—»"), "\xAB\x97\xBB");
  EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9"), "Ёё№");
  EXPECT_EQ(Cp1251ToUtf8("\xBF"), "ї");
  EXPECT_EQ(Cp1251ToUtf8("\xCD\xE5\xF2"), "Нет");
}

TEST(Cp1251, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("ü中😀"), "???");
  EXPECT_FALSE(Cp1251CanHold(U'ü'));
  EXPECT_FALSE(Cp1251CanHold(0xFFFD));
  EXPECT_TRUE(Cp1251CanHold(U'€'));
  // The one byte without a character reads as the replacement character.
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
}

TEST(Cp1251, MalformedUtf8CostsOneQuestionMarkPerBadByte) {
  EXPECT_EQ(Utf8ToCp1251("a\xC3"), "a?");  // cut off at the end
  EXPECT_EQ(Utf8ToCp1251("\xD0"
                         "A"),
            "?A");                                 // continuation missing
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");       // overlong '/'
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");  // surrogate
  EXPECT_EQ(Utf8ToCp1251("\xFF"
                         "Б"),
            "?\xC1");
  EXPECT_EQ(Utf8ToCp1251("\xE2\x82"), "??");
}

TEST(Cp1251, Utf8Helpers) {
  EXPECT_EQ(Utf8Length("Дом1"), 4u);
  EXPECT_EQ(Utf8Offset("Дом1", 2), 4u);
  EXPECT_EQ(Utf8Offset("Дом1", 10), 7u);
  size_t pos = 0;
  EXPECT_EQ(DecodeUtf8("😀x", pos), char32_t{0x1F600});
  EXPECT_EQ(pos, 4u);
  EXPECT_EQ(EncodeUtf8(0x1F600), "😀");
  EXPECT_EQ(EncodeUtf8(U'Ж'), "Ж");
}

}  // namespace
}  // namespace platform

#include "platform/Conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

namespace platform {
namespace {

TEST(StrToInt, DecimalWithSignAndLeadingBlanks) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("350"), 350);
  EXPECT_EQ(StrToInt("-16"), -16);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("  42"), 42);
  EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, Hexadecimal) {
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);  // all 32 bits, as the class library reads it
  EXPECT_THROW(StrToInt("$100000000"), EConvertError);
  EXPECT_THROW(StrToInt("$"), EConvertError);
  EXPECT_THROW(StrToInt("0x"), EConvertError);
  EXPECT_THROW(StrToInt("$1G"), EConvertError);
}

TEST(StrToInt, The32BitLimits) {
  EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_THROW(StrToInt("2147483648"), EConvertError);
  EXPECT_THROW(StrToInt("-2147483649"), EConvertError);
  EXPECT_THROW(StrToInt("99999999999999999999999"), EConvertError);
}

TEST(StrToInt, RefusesEmptyTextAndJunk) {
  for (const char* bad : {"", " ", "-", "+", "+-1", "12 ", "12a", "1.5", "1,5", "abc", "1 2"}) {
    int32_t value = 77;
    EXPECT_FALSE(TryStrToInt(bad, value)) << "'" << bad << "'";
    EXPECT_EQ(value, 77) << "a failed conversion must not write the result";
    EXPECT_THROW(StrToInt(bad), EConvertError) << "'" << bad << "'";
  }
}

TEST(StrToInt, ErrorTextQuotesTheInput) {
  try {
    StrToInt("12x");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'12x' is not a valid integer value");
  }
}

TEST(StrToFloat, CommaOrPointAndBlanks) {
  EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat(" -0,25 "), -0.25);
  EXPECT_DOUBLE_EQ(StrToFloat("+2"), 2.0);
  EXPECT_DOUBLE_EQ(StrToFloat("500"), 500.0);
  EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  for (const char* bad : {"", "  ", ".", "1,2,3", "1e", "abc", "1.5x", "++1", "+-1", "inf", "nan", "0x10"}) {
    EXPECT_THROW(StrToFloat(bad), EConvertError) << "'" << bad << "'";
  }
}

TEST(StrToFloat, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  // A locale with a decimal comma, when the machine has one.
  if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  double point = 0, comma = 0;
  const bool pointOk = TryStrToFloat("2.5", point);
  const bool commaOk = TryStrToFloat("2,5", comma);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_TRUE(pointOk);
  EXPECT_TRUE(commaOk);
  EXPECT_DOUBLE_EQ(point, 2.5);
  EXPECT_DOUBLE_EQ(comma, 2.5);
}

TEST(StrToBool, NumbersAndTheTwoWords) {
  EXPECT_FALSE(StrToBool("0"));
  EXPECT_TRUE(StrToBool("5"));
  EXPECT_TRUE(StrToBool("-1"));
  EXPECT_TRUE(StrToBool("1"));
  EXPECT_TRUE(StrToBool("True"));
  EXPECT_TRUE(StrToBool("tRUE"));
  EXPECT_FALSE(StrToBool("FALSE"));
  EXPECT_FALSE(StrToBool("false"));
  for (const char* bad : {"yes", "no", "", "T", "1.0", "Trueish"}) {
    EXPECT_THROW(StrToBool(bad), EConvertError) << "'" << bad << "'";
  }
}

TEST(NumberText, UnsignedShowsTheWholeRange) {
  EXPECT_EQ(UIntToStr(0), "0");
  EXPECT_EQ(UIntToStr(static_cast<uint32_t>(-1)), "4294967295");
  EXPECT_EQ(IntToStr(-350), "-350");
}

TEST(TimeToStr, HoursWithoutLeadingZero) {
  std::tm t{};
  t.tm_year = 106;
  t.tm_mon = 8;
  t.tm_mday = 2;
  t.tm_hour = 7;
  t.tm_min = 5;
  t.tm_sec = 9;
  t.tm_isdst = -1;
  EXPECT_EQ(TimeToStr(std::mktime(&t)), "7:05:09");
}

TEST(SameText, LatinAndRussianCaseFolding) {
  EXPECT_TRUE(SameText("Money", "MONEY"));
  EXPECT_TRUE(SameText("Сентябрь", "СЕНТЯБРЬ"));
  EXPECT_TRUE(SameText("Ёлка", "ёЛКА"));
  EXPECT_TRUE(SameText("Їжак", "їжак"));
  EXPECT_TRUE(SameText("", ""));
  EXPECT_FALSE(SameText("Money", "Mone"));
  EXPECT_FALSE(SameText("е", "ё"));
  EXPECT_FALSE(SameText("Game", "Gamе"));  // the last letter is Cyrillic
}

}  // namespace
}  // namespace platform

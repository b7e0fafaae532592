// A comma-delimited text split into a list: commas, runs of blanks and line
// breaks, quoted entries with doubled quotes, empty entries between commas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/StringList.h"

namespace {

std::vector<std::string> Split(const std::string& text) {
  ui::StringList list;
  list.Add("left over");
  list.SetCommaText(text);
  return list.Items();
}

using Entries = std::vector<std::string>;

}  // namespace

TEST(CommaText, CommasBlanksAndLineBreaksAllSeparate) {
  const Entries two{"one.wav", "two.wav"};
  EXPECT_EQ(Split("one.wav,two.wav"), two);
  EXPECT_EQ(Split("one.wav two.wav"), two);
  EXPECT_EQ(Split("one.wav\r\ntwo.wav\r\n"), two);
  EXPECT_EQ(Split("  \t\r\none.wav \t , \r\n  two.wav  "), two) << "runs of blanks, a comma among them";
  EXPECT_EQ(Split(std::string("one.wav\x01\x1f") + "two.wav"), two) << "every code from 1 to 32 separates";
  EXPECT_EQ(Split("one.wav,"), Entries{"one.wav"}) << "a comma at the end adds nothing";
}

TEST(CommaText, NothingBetweenTwoCommasIsAnEmptyEntry) {
  EXPECT_EQ(Split("a,,b"), (Entries{"a", "", "b"}));
  EXPECT_EQ(Split("a , , b"), (Entries{"a", "", "b"}));
  EXPECT_EQ(Split(",a"), (Entries{"", "a"})) << "blanks before the first entry are skipped, a comma is not";
  EXPECT_EQ(Split(""), Entries{});
  EXPECT_EQ(Split(" \r\n\t "), Entries{});
}

TEST(CommaText, QuotedEntriesHoldBlanksCommasAndDoubledQuotes) {
  EXPECT_EQ(Split("\"my song.wav\" b.wav"), (Entries{"my song.wav", "b.wav"}));
  EXPECT_EQ(Split("\"a, b\",c"), (Entries{"a, b", "c"}));
  EXPECT_EQ(Split("\"say \"\"hi\"\"\""), Entries{"say \"hi\""});
  EXPECT_EQ(Split("\"\",x"), (Entries{"", "x"}));
  EXPECT_EQ(Split("\"ab\"cd"), (Entries{"ab", "cd"})) << "the quote ends the entry";
  EXPECT_EQ(Split("x \"open to the end"), (Entries{"x", "open to the end"}));
  EXPECT_EQ(Split("\"\xcf\xf0\xe8\xe2\xe5\xf2 \xec\xe8\xf0.wav\""),
            Entries{"\xcf\xf0\xe8\xe2\xe5\xf2 \xec\xe8\xf0.wav"})
      << "Cyrillic letters (codes above 127) are text";
  EXPECT_EQ(Split(std::string("a,b\0,c", 6)), (Entries{"a", "b"})) << "the text ends at a NUL";
}

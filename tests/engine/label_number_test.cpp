// Reading the game screen's number labels back: every value the rules write
// must read back as the same 32 bits, and text that is no number is refused
// before anything changes.
#include <gtest/gtest.h>

#include <climits>

#include "engine/LabelNumber.h"
#include "platform/Conversions.h"
#include "road/RoadHelpers.h"

using platform::EConvertError;
using testing_support::GameHarness;

TEST(LabelNumber, EveryValueTheRulesWriteReadsBackUnchanged) {
  for (const int32_t value : {0, 1, 25, 100, INT32_MAX, INT32_MIN, -1, -20}) {
    const std::string shown = labels::Unsigned(value);
    EXPECT_EQ(labels::CountOf(shown), value) << shown;
    EXPECT_EQ(labels::AmountOf(shown), value) << shown;
  }
  EXPECT_EQ(labels::Unsigned(-1), "4294967295");
}

TEST(LabelNumber, AmountsDropTheirFractionAndWrapAt32Bits) {
  EXPECT_EQ(labels::AmountOf("12,9"), 12);
  EXPECT_EQ(labels::AmountOf("12.9"), 12);
  EXPECT_EQ(labels::AmountOf("-3.7"), -3);  // toward zero
  EXPECT_EQ(labels::AmountOf("1e3"), 1000);
  EXPECT_EQ(labels::AmountOf("4294967296"), 0);
  EXPECT_EQ(labels::AmountOf("4294967301"), 5);
  for (const char* bad : {"", "много", "----", "12 руб.", "1e300", "-1e19"}) {
    EXPECT_THROW(labels::AmountOf(bad), EConvertError) << "'" << bad << "'";
  }
}

TEST(LabelNumber, CountsAreWholeAndGoNoFurtherThan32Bits) {
  EXPECT_EQ(labels::CountOf("-5"), -5);
  EXPECT_EQ(labels::CountOf(" 7"), 7);
  EXPECT_EQ(labels::CountOf("2147483648"), INT32_MIN);
  EXPECT_EQ(labels::CountOf("4294967295"), -1);
  for (const char* bad : {"", "----", "12,5", "4294967296", "99999999999", "-4294967295", "Среда"}) {
    EXPECT_THROW(labels::CountOf(bad), EConvertError) << "'" << bad << "'";
  }
}

// The rules read the label first: a label the game itself wrote from a
// wrapped value must not stop them, and a broken one must change nothing.
TEST(LabelNumber, RulesReadWrappedLabelsAndLeaveBrokenOnesAlone) {
  GameHarness h;
  engine->MaxFun = 30;
  menu->funny->Caption = "4294967295";
  engine->AddMood(5);
  EXPECT_EQ(menu->funny->Caption(), "4");

  engine->Kopilka = 0;
  menu->money->Caption = "4294967295";
  EXPECT_TRUE(engine->PutIntoPiggyBank(100));
  EXPECT_EQ(menu->money->Caption(), "4294967195");

  engine->Money = 77;
  menu->money->Caption = "1e300";
  EXPECT_THROW(engine->AddMoney(5), EConvertError);
  EXPECT_EQ(engine->Money, 77);
  EXPECT_EQ(menu->money->Caption(), "1e300");
}

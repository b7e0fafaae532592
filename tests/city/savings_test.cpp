// The character sheet and the savings box: the names, the three doors and
// their way back; deposits and withdrawals with their limits, messages,
// experience and log lines, and whatever text reaches the amount fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "career/Skill.h"
#include "city/Addk.h"
#include "city/Kop.h"
#include "city/Person.h"
#include "city/Play.h"
#include "city/Takek.h"
#include "development/Devskills.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "support/GameHarness.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;

namespace {

testing_support::HarnessOptions Start(const char* money, const char* savings) {
  testing_support::HarnessOptions options;
  options.config = {{"Money", money}, {"Kopilka", savings}};
  return options;
}

// From the running game screen to the character sheet.
void OpenSheet(GameHarness& h) {
  Form1->Hide();
  menu->Show();
  h.click(menu->playerl);
  ASSERT_TRUE(person->Visible);
}

void OpenSavings(GameHarness& h) {
  OpenSheet(h);
  h.click(person->kopilkal);
  ASSERT_TRUE(kop->Visible);
}

int Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// Types into a field as the player does: a click, then the keys.
void TypeInto(GameHarness& h, ui::Edit* field, const std::string& text) {
  h.click(field);
  field->Text = "";
  h.type(text);
}

// Puts text into an emptied field by Shift+Insert, past the digits-only filter.
void PasteInto(GameHarness& h, ui::Edit* field, const std::string& text) {
  h.click(field);
  field->Text = "";
  h.backend().SetClipboard(text);
  h.key(ui::VK_INSERT, ui::ssShift);
}

}  // namespace

TEST(CharacterSheet, ShowsTheRegisteredNamesEachTimeItIsShown) {
  GameHarness h;
  engine->PlayerSurname = "Петров";
  engine->PlayerName = "Иван";
  engine->PlayerNick = "";
  OpenSheet(h);
  EXPECT_EQ(person->sname->Caption(), "Петров");
  EXPECT_EQ(person->name->Caption(), "Иван");
  EXPECT_EQ(person->Label1->Caption(), "aka");
  EXPECT_EQ(person->nick->Caption(), "");  // an empty teal row
  EXPECT_EQ(person->nick->Height, 16);
  EXPECT_EQ(person->nick->Width, person->Width);

  // Back from the skills window, the sheet reads the names anew.
  h.click(person->skilll);
  engine->PlayerNick = "vanya";
  h.click(skills->close);
  EXPECT_TRUE(person->Visible);
  EXPECT_EQ(person->nick->Caption(), "vanya");
}

TEST(CharacterSheet, ThreeDoorsAndTheirWayBack) {
  GameHarness h;
  OpenSheet(h);
  struct Door {
    ui::Control* button;
    ui::Form* window;
  };
  for (const Door& door : {Door{person->skill, skills}, Door{person->skilll, skills}, Door{person->kopilka, kop},
                           Door{person->kopilkal, kop}, Door{person->askill, devSkill}, Door{person->askilll, devSkill},
                           Door{person->askillll, devSkill}}) {
    SCOPED_TRACE(door.button->Name());
    h.clearSounds();
    h.click(door.button);
    EXPECT_TRUE(door.window->Visible);
    EXPECT_FALSE(person->Visible);
    EXPECT_EQ(h.sounds(), Strings{"click.wav"});
    EXPECT_FALSE(menu->ttime->Enabled) << "the game stays paused";
    ui::Control* back = door.window == skills ? skills->close : door.window == kop ? kop->close : devSkill->close;
    h.clearSounds();
    h.click(back);
    EXPECT_TRUE(person->Visible);
    EXPECT_FALSE(door.window->Visible);
    EXPECT_EQ(h.sounds(), Strings{"close.wav"});
  }
  h.click(person->close);
  EXPECT_TRUE(menu->Visible);
  EXPECT_TRUE(menu->ttime->Enabled) << "the game runs again";
}

TEST(CharacterSheet, EachButtonLightsOnlyItselfAndTheNameRowsPutAllOut) {
  GameHarness h;
  OpenSheet(h);
  for (ui::Image* b : {person->skill, person->askill, person->kopilka}) EXPECT_EQ(GameHarness::skinOf(b), "vk_1.jpg");
  h.moveTo(person->skilll);
  h.moveTo(person->askillll);
  EXPECT_EQ(GameHarness::skinOf(person->skill), "vk_2.jpg") << "the others are left as they are";
  EXPECT_EQ(GameHarness::skinOf(person->askill), "vk_2.jpg");
  h.press(person->kopilkal, ui::MouseButton::Right);  // a right press acts on the skin alone
  EXPECT_EQ(GameHarness::skinOf(person->kopilka), "vk_3.jpg");
  h.release(person->kopilkal, ui::MouseButton::Right);
  ASSERT_TRUE(person->Visible);
  EXPECT_EQ(GameHarness::skinOf(person->kopilka), "vk_1.jpg");
  EXPECT_EQ(GameHarness::skinOf(person->askill), "vk_2.jpg");
  h.moveTo(person->kopilka);
  h.moveTo(person->nick);
  for (ui::Image* b : {person->skill, person->askill, person->kopilka}) {
    EXPECT_EQ(GameHarness::skinOf(b), "vk_1.jpg") << b->Name();
  }
}

TEST(SavingsBox, DepositUpToTheLastRoubleAndNotTheWholeCash) {
  GameHarness h(Start("1000", "0"));
  OpenSavings(h);
  EXPECT_EQ(kop->kopilka->Caption(), "0");
  EXPECT_EQ(kop->money->Caption(), "1000");
  h.click(kop->addl);
  ASSERT_TRUE(addk->Visible);
  EXPECT_EQ(addk->count->Text(), "0");
  EXPECT_EQ(addk->money->Caption(), "1000");

  // The whole cash is refused: nothing changes, the window stays.
  const int xp = engine->Xp;
  TypeInto(h, addk->count, "1000");
  h.answerEnter();
  h.click(addk->add);
  EXPECT_EQ(h.messagesShown(), Strings{"Вы не можете положить такую сумму в копилку!"});
  EXPECT_TRUE(addk->Visible);
  EXPECT_EQ(addk->count->Text(), "1000");
  EXPECT_EQ(menu->money->Caption(), "1000");
  EXPECT_EQ(engine->Kopilka, 0);
  EXPECT_EQ(engine->Xp, xp);

  // One rouble less goes in, with its message, experience and log line.
  TypeInto(h, addk->count, "999");
  h.answerEnter();
  h.clearSounds();
  h.click(addk->addl);
  EXPECT_EQ(h.messagesShown().back(), "Вы положили деньги в копилку!");
  EXPECT_EQ(menu->money->Caption(), "1");
  EXPECT_EQ(engine->Money, 1);
  EXPECT_EQ(engine->Kopilka, 999);
  EXPECT_EQ(engine->Xp, xp + 5);
  EXPECT_EQ(menu->xp->Caption(), std::to_string(xp + 5));
  EXPECT_EQ(Count(h.logLines(), "Положил деньги в копилку..."), 1);
  EXPECT_EQ(h.sounds().front(), "click.wav");
  EXPECT_EQ(h.sounds().back(), "close.wav");
  // Back in the savings box with the new figures; the field is "0" again.
  EXPECT_FALSE(addk->Visible);
  ASSERT_TRUE(kop->Visible);
  EXPECT_EQ(kop->kopilka->Caption(), "999");
  EXPECT_EQ(kop->money->Caption(), "1");
  EXPECT_EQ(addk->count->Text(), "0");
}

TEST(SavingsBox, WithdrawTheWholeSavingsButNoMore) {
  GameHarness h(Start("100", "500"));
  OpenSavings(h);
  h.click(kop->place);
  ASSERT_TRUE(takek->Visible);
  const int xp = engine->Xp;
  TypeInto(h, takek->count, "501");
  h.answerEnter();
  h.click(takek->take);
  EXPECT_EQ(h.messagesShown(), Strings{"В копилке нет такой суммы!"});
  EXPECT_TRUE(takek->Visible);
  EXPECT_EQ(engine->Kopilka, 500);
  EXPECT_EQ(engine->Xp, xp);

  TypeInto(h, takek->count, "500");
  h.answerEnter();
  h.click(takek->takel);
  EXPECT_EQ(h.messagesShown().back(), "Вы взяли деньги из копилки!");
  EXPECT_EQ(engine->Kopilka, 0);
  EXPECT_EQ(menu->money->Caption(), "600");
  EXPECT_EQ(engine->Xp, xp + 5);
  EXPECT_EQ(Count(h.logLines(), "Взяты деньги из копилки..."), 1);
  ASSERT_TRUE(kop->Visible);
  EXPECT_EQ(kop->kopilka->Caption(), "0");
  EXPECT_EQ(kop->money->Caption(), "600");

  // The withdrawal window opens with "0" whatever was typed last time.
  h.click(kop->place);
  TypeInto(h, takek->count, "12");
  h.click(takek->close);
  EXPECT_TRUE(kop->Visible);
  h.click(kop->place);
  EXPECT_EQ(takek->count->Text(), "0");
}

TEST(SavingsBox, TypingLetsThroughOnlyDigitsAndBackspace) {
  GameHarness h(Start("1000", "0"));
  OpenSavings(h);
  h.click(kop->add);
  TypeInto(h, addk->count, "1a2-3.,4 ");
  EXPECT_EQ(addk->count->Text(), "1234");
  h.key(ui::VK_BACK);
  EXPECT_EQ(addk->count->Text(), "123");
  h.key(ui::VK_RETURN);  // Enter is dropped too: nothing is deposited
  EXPECT_EQ(engine->Kopilka, 0);
  EXPECT_TRUE(h.messagesShown().empty());

  // An empty field and 0 do nothing beyond the click.
  for (const char* text : {"", "0", "000"}) {
    addk->count->Text = text;
    h.clearSounds();
    h.click(addk->add);
    EXPECT_EQ(h.sounds(), Strings{"click.wav"}) << text;
    EXPECT_TRUE(addk->Visible);
  }
  EXPECT_TRUE(h.messagesShown().empty());
  EXPECT_EQ(menu->money->Caption(), "1000");
}

TEST(SavingsBox, PastedTextIsReadAsANumberOrRefused) {
  GameHarness h(Start("1000", "300"));
  OpenSavings(h);
  h.click(kop->add);
  struct Case {
    const char* text;
    const char* entered;  // what the field holds after the paste
    const char* message;  // nullptr: none
    int savings;          // afterwards
  };
  // Shift+Insert puts the text in as it is; the conversion reads it as a
  // number truncated toward zero, or refuses it.
  const Case cases[] = {
      {"привет", "привет", "Введите правильное число!", 300},
      {"-5", "-5", "Вы не можете положить такую сумму в копилку!", 300},  // a huge amount
      {"0.75", "0.75", nullptr, 300},                                     // truncated to 0: nothing
      {"4294967396", "4294967396", "Введите правильное число!", 300},     // beyond 32 bits: would wrap to 100
      {"4294967296", "4294967296", "Введите правильное число!", 300},
      {"-4294967000", "-4294967000", "Введите правильное число!", 300},  // would wrap to 296
      {"150,9", "150,9", "Вы положили деньги в копилку!", 450},          // truncated to 150
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    if (!addk->Visible) h.click(kop->add);
    PasteInto(h, addk->count, c.text);
    ASSERT_EQ(addk->count->Text(), c.entered);
    const size_t shown = h.messagesShown().size();
    if (c.message != nullptr) h.answerEnter();
    h.click(addk->add);
    if (c.message != nullptr) {
      ASSERT_EQ(h.messagesShown().size(), shown + 1);
      EXPECT_EQ(h.messagesShown().back(), c.message);
    } else {
      EXPECT_EQ(h.messagesShown().size(), shown);
    }
    EXPECT_EQ(engine->Kopilka, c.savings);
  }
  EXPECT_EQ(menu->money->Caption(), "850");

  // Ctrl+V is a typed control character, and the digits filter drops it.
  h.click(kop->place);
  h.click(takek->count);
  takek->count->Text = "";
  h.backend().SetClipboard("100");
  h.key('V', ui::ssCtrl);
  EXPECT_EQ(takek->count->Text(), "");
  // The same limit on the withdrawal: 2^32 + 100 would take 100.
  PasteInto(h, takek->count, "4294967396");
  h.answerEnter();
  h.click(takek->take);
  EXPECT_EQ(h.messagesShown().back(), "Введите правильное число!");
  EXPECT_EQ(engine->Kopilka, 450);
  EXPECT_TRUE(takek->Visible);
}

TEST(SavingsBox, AmountsAreThirtyTwoBitNumbersSignedOrUnsigned) {
  uint32_t amount = 7;
  EXPECT_TRUE(savings::ReadAmount("4294967295", amount));
  EXPECT_EQ(amount, 4294967295u);
  EXPECT_TRUE(savings::ReadAmount("4294967295.99", amount));
  EXPECT_EQ(amount, 4294967295u);
  EXPECT_TRUE(savings::ReadAmount("-1", amount));
  EXPECT_EQ(amount, 4294967295u);
  EXPECT_TRUE(savings::ReadAmount("-2147483648", amount));
  EXPECT_EQ(amount, 2147483648u);
  EXPECT_TRUE(savings::ReadAmount("-0.5", amount));
  EXPECT_EQ(amount, 0u);
  amount = 7;
  for (const char* bad : {"-2147483649", "4294967296", "1e10", "1e400", "", "12 34", "0x10", "--1"}) {
    EXPECT_FALSE(savings::ReadAmount(bad, amount)) << bad;
  }
  EXPECT_EQ(amount, 7u) << "a refused text leaves the amount alone";
}

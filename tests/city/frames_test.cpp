// Places that show only their frame: each is reached as the
// player reaches it, carries its title, is dragged by its title strip, and
// its way out leads to the screen it belongs to with the right sound, the
// game running again only where the player is back on the game screen.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "career/Find_work.h"
#include "career/Now_work.h"
#include "career/Study_level.h"
#include "city/Afisha.h"
#include "city/Apteka.h"
#include "city/Avpath.h"
#include "city/Bank.h"
#include "city/Home.h"
#include "city/Ksalon.h"
#include "city/Lines.h"
#include "city/Person.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "city/Setka.h"
#include "city/Travel.h"
#include "development/Devm.h"
#include "development/Internet.h"
#include "engine/Class.h"
#include "engine/Main.h"
#include "engine/Screen.h"
#include "hardware/Computer.h"
#include "software/Setupedsoft.h"
#include "support/GameHarness.h"
#include "ui/PopupMenu.h"

using testing_support::GameHarness;
using Strings = std::vector<std::string>;

TEST(Frames, EachPlaceHasItsTitleAndLeadsBackWhereItBelongs) {
  // A working computer with a modem, so that every place can be reached.
  testing_support::HarnessOptions options;
  options.config = {{"Money", "5000"},
                    {"Mboard", "ASUS P5B"},
                    {"Intel", "1"},
                    {"Processor", "Intel Pentium D 820"},
                    {"Ozu1", "Kingston DDR2 512 Mb PC2-5300"},
                    {"Video", "NVidia GeForce 7600 GS 256 Mb"},
                    {"Disk", "Western Digital Caviar SE 160 Gb"},
                    {"Monitor", "Samsung SyncMaster 740N"},
                    {"Computer", "1"},
                    {"Modem", "Sprinter 56k"},
                    {"ModemType", "1"}};
  GameHarness h(options);
  Form1->Hide();
  menu->Show();

  auto fromMenu = [&h](ui::Control* button) { return [&h, button] { h.click(button); }; };
  auto fromTravel = [&h](ui::Control* destination) {
    return [&h, destination] {
      h.click(menu->trav);
      h.click(destination);
    };
  };
  struct Case {
    ui::Form* place;
    std::function<void()> reach;  // from the running game screen
    std::string title;
    ui::Control* way_out;
    std::string way_out_caption;
    ui::Form* back_to;
    std::string sound;
    bool game_runs;
  };
  const Case cases[] = {
      {person, fromMenu(menu->player), "Персонаж", person->close, "X", menu, "close.wav", true},
      {fwork, fromMenu(menu->work), "Поиск работы", fwork->close, "X", menu, "close.wav", true},
      {nwork,
       [&h] {
         menu->workl->Caption = "На работе...";
         h.click(menu->work);
         menu->workl->Caption = "Работа";
       },
       "Работа", nwork->close, "X", menu, "close.wav", true},
      {teach_lev, fromMenu(menu->teach), "Обучение - выбор уровня", teach_lev->close, "X", menu, "close.wav", true},
      {devmenu, fromMenu(menu->dev), "Разработка", devmenu->close, "X", menu, "close.wav", true},
      {afisha, fromMenu(menu->bill), "Афиша", afisha->close, "X", menu, "close.wav", true},
      {lines,
       [&h] {
         h.answerModal([](ui::Form&) { menu->pm->Choose(menu->N7); });
         h.click(menu->ico);
       },
       "Мини-игра \"Удержание полосы\"", lines->close, "X", menu, "close.wav", true},
      {apteka, fromTravel(travel->hosp), "Городская аптека", apteka->close, "Х", travel, "close.wav", false},
      {avpath, fromTravel(travel->avto), "Авто рынок", avpath->close, "X", travel, "close.wav", false},
      {bank, fromTravel(travel->bnk), "Банк \"Зендрикс банк\"", bank->exit, "", travel, "click.wav", false},
      {ksalon, fromTravel(travel->salon), "Компьютерный клуб", ksalon->close, "X", travel, "close.wav", false},
      {setka, fromTravel(travel->club), "Ночной клуб", setka->close, "X", travel, "close.wav", false},
      {sanatory, fromTravel(travel->san), "Санаторий", sanatory->close, "X", travel, "close.wav", false},
      {home, fromTravel(travel->house), "Агенство недвижимости", home->close, "X", travel, "close.wav", false},
      {inet,
       [&h] {
         ssoft->os->Caption = "Windows XP Home Edition";
         h.click(menu->computer);
         h.click(comp->internet);
       },
       "Интернет", inet->close, "X", comp, "close.wav", false},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    ASSERT_TRUE(menu->Visible);
    c.reach();
    ASSERT_TRUE(c.place->Visible);
    EXPECT_FALSE(menu->ttime->Enabled);

    auto* top = GameHarness::find<ui::Label>(c.place, "top");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Caption(), c.title);
    EXPECT_EQ(c.place->Color(), ui::clBlack);
    if (!c.way_out_caption.empty()) {
      EXPECT_EQ(c.way_out->Caption(), c.way_out_caption);
      EXPECT_EQ(c.way_out->Left + 15, c.place->Width);
      EXPECT_EQ(c.way_out->Top, 0);
    }
    const int left = c.place->Left, topEdge = c.place->Top;
    h.drag(top, 12, 7);
    EXPECT_EQ(c.place->Left, left + 12);
    EXPECT_EQ(c.place->Top, topEdge + 7);

    h.clearSounds();
    const size_t messages = h.messagesShown().size();
    h.click(c.way_out);
    EXPECT_FALSE(c.place->Visible);
    EXPECT_TRUE(c.back_to->Visible);
    EXPECT_EQ(h.sounds(), Strings{c.sound});
    EXPECT_EQ(menu->ttime->Enabled, c.game_runs);
    EXPECT_EQ(h.messagesShown().size(), messages);

    // Back to the running game screen for the next place.
    if (!menu->Visible) {
      c.back_to->Hide();
      menu->Show();
    }
  }
  EXPECT_TRUE(h.exceptions().empty());
}

TEST(Frames, TheBankIsLeftByItsExitButtonInItsOwnSkin) {
  GameHarness h;
  Form1->Hide();
  bank->Show();
  EXPECT_EQ(GameHarness::find(bank, "close"), nullptr);
  EXPECT_EQ(GameHarness::skinOf(bank->exit), "xt_1.jpg");
  EXPECT_EQ(bank->exitl->Caption(), "Выход");
  h.moveTo(bank->exitl);
  EXPECT_EQ(GameHarness::skinOf(bank->exit), "xt_2.jpg");
  h.moveTo(bank->top);
  EXPECT_EQ(GameHarness::skinOf(bank->exit), "xt_1.jpg");
  h.click(bank->exitl);
  EXPECT_FALSE(bank->Visible);
  EXPECT_TRUE(travel->Visible);
  EXPECT_EQ(h.sounds().back(), "click.wav");
}

// The frame every screen is built on, seen on a screen of its own: where its
// close label leads is read when it is clicked, its buttons start normal and
// follow the mouse, the window and its title reset them and drag it.
class FrameProbe : public Screen {
 public:
  static ui::Form* backTo;
  explicit FrameProbe(ui::Application& app) : Screen(app, {200, 200, "Проба", "menu", "X", frame::Back(backTo)}) {
    AddButtons<FrameProbe>({
        {&FrameProbe::one, &FrameProbe::onel, {"one", 10, 30, 80, 37, "Один"}, &FrameProbe::oneClick},
        {&FrameProbe::two, nullptr, {"two", 10, 140, 80, 37, nullptr}},
    });
  }
  ui::Image* one = nullptr;
  ui::Label* onel = nullptr;
  ui::Image* two = nullptr;
  int clicks = 0;
  void oneClick() { ++clicks; }
};
ui::Form* FrameProbe::backTo = nullptr;

TEST(Frames, TheScreenFrameDescribedOnceDoesWhatEveryScreenDid) {
  GameHarness h;
  Form1->Hide();
  FrameProbe* probe = nullptr;
  h.app().CreateForm(probe);
  FrameProbe::backTo = travel;  // named after the frame was built: read at the click
  probe->Show();

  EXPECT_EQ(probe->top->Caption(), "Проба");
  EXPECT_EQ(probe->close->Caption(), "X");
  EXPECT_EQ(probe->close->Left + 15, probe->Width);
  EXPECT_TRUE(probe->DoubleBuffered);
  EXPECT_EQ(probe->Left, (h.backend().DesktopWidth() - probe->Width) / 2);
  auto skins = [&] { return Strings{GameHarness::skinOf(probe->one), GameHarness::skinOf(probe->two)}; };
  EXPECT_EQ(skins(), (Strings{"menu_1.jpg", "menu_1.jpg"}));

  h.moveTo(probe->onel);
  EXPECT_EQ(skins(), (Strings{"menu_2.jpg", "menu_1.jpg"}));
  h.moveTo(probe->top);
  EXPECT_EQ(skins(), (Strings{"menu_1.jpg", "menu_1.jpg"}));
  h.moveTo(probe->two);
  h.moveTo(probe, 5, 190);
  EXPECT_EQ(skins(), (Strings{"menu_1.jpg", "menu_1.jpg"}));

  const int left = probe->Left;
  h.drag(probe->top, 10, 0);
  h.drag(probe, 5, 0);
  h.drag(probe->one, 0, 60);  // a button never drags
  EXPECT_EQ(probe->Left, left + 15);

  h.click(probe->onel);
  EXPECT_EQ(probe->clicks, 1);
  h.clearSounds();
  h.click(probe->close);
  EXPECT_FALSE(probe->Visible);
  EXPECT_TRUE(travel->Visible);
  EXPECT_EQ(h.sounds(), Strings{"close.wav"});
  EXPECT_TRUE(h.exceptions().empty());
  FrameProbe::backTo = nullptr;
}

// Every title strip is white text on navy, whatever font its window takes
// after the strip is made (the department chooser's is black).
TEST(Frames, EveryTitleIsWhiteOnNavy) {
  GameHarness h;
  int titles = 0;
  for (ui::Form* form : h.app().Forms()) {
    auto* screen = dynamic_cast<Screen*>(form);
    if (screen == nullptr || screen->top == nullptr) continue;
    SCOPED_TRACE(form->Name());
    ++titles;
    EXPECT_EQ(screen->top->Font.Color(), ui::clWhite);
    EXPECT_EQ(screen->top->Color(), ui::clNavy);
  }
  EXPECT_GT(titles, 50);
}

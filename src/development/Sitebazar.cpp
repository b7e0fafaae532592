#include "development/Sitebazar.h"

#include "development/Ibrowser.h"
#include "development/Sgbuy.h"
#include "engine/Class.h"

TsBazar* sBazar = nullptr;

namespace {
// The page loads in ten steps: one every half second on the dial-up line,
// every tenth on the fast one.
constexpr int kLoadSteps = 10;
constexpr int kSlowStep = 500;
constexpr int kFastStep = 100;
}  // namespace

TsBazar::TsBazar(ui::Application& app) : Screen(app, {400, 290, "Выставка игр", nullptr, "X", frame::Back(browser)}) {
  AddLabels<TsBazar>({{&TsBazar::status, "status", 12, 24, ""}});
  DragBy({status});
  load = frame::MakeBar(this, "load", 12, 46, 376, 16, kLoadSteps);
  list = frame::MakeList(this, "list", 12, 70, 376, 170);
  frame::AddPushes(this, {{&TsBazar::sell, {"sell", 130, 250, 140, 28, "Продать игру"}, &TsBazar::sellClick}});
  // Its pace is given each time the page is shown.
  frame::AddTimers(this, {{&TsBazar::timer, "timer", 1000, &TsBazar::timerTimer}});
}

void TsBazar::FormShow() {
  status->Caption = "Загрузка страницы...";
  load->Position = 0;
  load->Visible = true;
  list->Visible = false;
  sell->Visible = false;
  timer->Interval = Tbrowser::SlowLine() ? kSlowStep : kFastStep;
  timer->Enabled = true;
}

void TsBazar::timerTimer() {
  load->Position = load->Position + 1;
  if (load->Position < kLoadSteps) return;
  timer->Enabled = false;
  load->Visible = false;
  list->Items.Clear();
  const ui::StringList& names = engine->GamesForSale->Items;
  const ui::StringList& prices = engine->GamePrices->Items;
  for (int i = 0; i < names.Count(); ++i) {
    list->Items.Add(names[i] + " - " + (i < prices.Count() ? prices[i] : std::string("?")) + " руб.");
  }
  list->ItemIndex = list->Items.Count() > 0 ? 0 : -1;
  status->Caption = list->Items.Count() > 0 ? "Ваши игры на выставке:" : "У Вас пока нет игр для продажи.";
  list->Visible = true;
  sell->Visible = list->Items.Count() > 0;
}

void TsBazar::sellClick() {
  engine->PlayClickSound();
  const int index = list->ItemIndex;
  if (index < 0 || index >= engine->GamesForSale->Items.Count()) {
    engine->ShowInfoMessage("Выберите игру в списке!");
    return;
  }
  ssgBuy->Offer(index);
  Hide();
  ssgBuy->Show();
}

// The page stops loading before the window goes.
void TsBazar::closeClick() {
  engine->PlayCloseSound();
  timer->Enabled = false;
  Hide();
  browser->Show();
}

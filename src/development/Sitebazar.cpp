#include "development/Sitebazar.h"

#include "development/Ibrowser.h"
#include "development/Sgbuy.h"
#include "engine/Class.h"
#include "engine/Frame.h"

TsBazar* sBazar = nullptr;

namespace {
// A step of the page every half second on the dial-up line, every tenth on the fast one.
constexpr int kSlowStep = 500;
constexpr int kFastStep = 100;
}  // namespace

TsBazar::TsBazar(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 400, 290);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Выставка игр");
  close = frame::MakeCloseLabel(this, "X", 385);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  status = frame::MakeLabel(this, "status", 12, 24, "");
  frame::BindDrag(status);
  load = new ui::ProgressBar(this);
  load->Name = "load";
  load->SetBounds(12, 46, 376, 16);
  load->Min = 0;
  load->Max = kLoadSteps;
  list = new ui::ListBox(this);
  list->Name = "list";
  list->SetBounds(12, 70, 376, 170);
  list->Color = ui::clBlack;
  list->Font.Color = ui::clWhite;
  sell = new ui::Button(this);
  sell->Name = "sell";
  sell->Caption = "Продать игру";
  sell->Font.Color = ui::clBlack;
  sell->SetBounds(130, 250, 140, 28);
  sell->OnClick = [this](ui::Control&) { sellClick(); };
  timer = new ui::Timer(this);
  timer->Name = "timer";
  timer->Enabled = false;
  timer->OnTimer = [this](ui::Control&) { timerTimer(); };
  frame::BindDrag(this);
  OnShow = [this](ui::Control&) { FormShow(); };
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

void TsBazar::closeClick() {
  engine->PlayCloseSound();
  timer->Enabled = false;
  Hide();
  browser->Show();
}

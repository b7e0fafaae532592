#include "development/Ibrowser.h"

#include "city/Play.h"
#include "development/Internet.h"
#include "development/Sitebazar.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "platform/Conversions.h"

Tbrowser* browser = nullptr;

namespace {
// One rouble a second on the dial-up line, two on the fast one.
constexpr int kSlowTick = 1000;
constexpr int kFastTick = 500;
}  // namespace

Tbrowser::Tbrowser(ui::Application& app) : Screen(app, {420, 220, "Интернет-браузер", "main", "X", frame::Back(inet)}) {
  // The title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
  address = frame::MakeBox(this, {"address", 8, 22, 404, 18, "http://www.zenx-net.ru/"});
  address->Transparent = false;
  address->Color = ui::clWhite;
  address->Font.Color = ui::clBlack;
  AddLabels<Tbrowser>({{&Tbrowser::welcome, "welcome", 0, 56, "Добро пожаловать в Интернет!"}});
  welcome->Font.Size = 16;
  welcome->Font.Style = ui::fsBold;
  welcome->PlaceBySize([](ui::Label& l) { l.Left = (420 - l.Width) / 2; });
  AddButtons<Tbrowser>({
      {&Tbrowser::site, &Tbrowser::sitel, {"site", 135, 96, 150, 37, "Выставка игр"}, &Tbrowser::siteClick},
  });
  AddLabels<Tbrowser>({
      {&Tbrowser::line, "line", 12, 158, ""},
      {&Tbrowser::billl, "billl", 12, 182, ""},
  });
  billl->Font.Style = ui::fsBold;
  DragBy({address, welcome, line, billl});
  frame::AddTimers(this, {{&Tbrowser::timer, "timer", kSlowTick, &Tbrowser::timerTimer}});
}

bool Tbrowser::SlowLine() { return engine->ModemType == 1; }

void Tbrowser::Connect() {
  timer->Interval = SlowLine() ? kSlowTick : kFastTick;
  line->Caption = SlowLine() ? "Линия: модем 56k, 1 руб. в секунду" : "Линия: выделенная, 2 руб. в секунду";
  timer->Enabled = true;
  ShowBill();
}

void Tbrowser::timerTimer() {
  Bill = Bill + 1;
  ShowBill();
}

void Tbrowser::ShowBill() { billl->Caption = "Счёт за Интернет: " + platform::UIntToStr(Bill) + " руб."; }

void Tbrowser::siteClick() { frame::HideThenShow(this, sBazar); }

void Tbrowser::closeClick() {
  Screen::closeClick();
  timer->Enabled = false;
  // Nothing spent online costs nothing: no payment, and no end of the game.
  if (Bill == 0) {
    engine->ShowInfoMessage("Интернет обошелся Вам в 0 руб.");
    return;
  }
  // The bill is paid from the cash on the game screen, which must be more
  // than the bill; when the payment is refused the game ends as well.
  engine->Money = labels::ReadAmount(menu->money);
  if (!(Bill < static_cast<uint32_t>(engine->Money)) || !engine->SpendMoney(Bill)) {
    engine->ShowInfoMessage(
        "Все последние деньги ушли на Интернет... Да и то Вы остались должны деньги провайдеру... Игра закончена!");
    engine->EndGame();
    return;
  }
  engine->WriteLog("Оплата Интернета...");
  engine->ShowInfoMessage("Интернет обошелся Вам в " + platform::UIntToStr(Bill) + " руб.");
  Bill = 0;
  ShowBill();
}

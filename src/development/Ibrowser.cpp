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

Tbrowser::Tbrowser(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 420, 220);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Интернет-браузер");
  close = frame::MakeCloseLabel(this, "X", 405);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  address = frame::MakeLabel(this, "address", 0, 22, "http://www.zenx-net.ru/");
  address->AutoSize = false;
  address->Transparent = false;
  address->Color = ui::clWhite;
  address->Font.Color = ui::clBlack;
  address->SetBounds(8, 22, 404, 18);
  welcome = frame::MakeLabel(this, "welcome", 0, 56, "Добро пожаловать в Интернет!");
  welcome->Font.Size = 16;
  welcome->Font.Style = ui::fsBold;
  welcome->PlaceBySize([](ui::Label& l) { l.Left = (420 - l.Width) / 2; });
  const frame::Button b =
      frame::MakeButton(this, &skins_, {"site", 135, 96, 150, 37, "Выставка игр"}, [this] { siteClick(); });
  site = b.picture;
  sitel = b.label;
  line = frame::MakeLabel(this, "line", 12, 158, "");
  billl = frame::MakeLabel(this, "billl", 12, 182, "");
  billl->Font.Style = ui::fsBold;
  for (ui::Control* c : std::initializer_list<ui::Control*>{address, welcome, line, billl}) frame::BindDrag(c);

  timer = new ui::Timer(this);
  timer->Name = "timer";
  timer->Enabled = false;
  timer->Interval = kSlowTick;
  timer->OnTimer = [this](ui::Control&) { timerTimer(); };

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnCreate = [this](ui::Control&) {
    DoubleBuffered = true;
    skins_.Reset();
  };
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

void Tbrowser::siteClick() {
  engine->PlayClickSound();
  Hide();
  sBazar->Show();
}

void Tbrowser::closeClick() {
  engine->PlayCloseSound();
  Hide();
  inet->Show();
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

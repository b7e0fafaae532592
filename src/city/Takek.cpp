#include "city/Takek.h"

#include "city/Kop.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Ttakek* takek = nullptr;

Ttakek::Ttakek(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 300, 182);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Взять деньги из копилки");
  close = frame::MakeCloseLabel(this, "X", 285);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  Label1 = frame::MakeLabel(this, "Label1", 16, 28, "Денег в копилке:");
  kopilka = savings::MakeValue(this, "kopilka", 28);
  Label2 = frame::MakeLabel(this, "Label2", 16, 48, "Денег у игрока:");
  money = savings::MakeValue(this, "money", 48);
  Label3 = frame::MakeLabel(this, "Label3", 16, 76, "Сколько денег взять из копилки:");
  count = savings::MakeAmountField(this);

  const frame::Button made =
      frame::MakeButton(this, &skins_, {"take", 75, 132, 150, 37, "Взять деньги"}, [this] { takeClick(); });
  take = made.picture, takel = made.label;

  for (ui::Control* c : std::initializer_list<ui::Control*>{this, Label1, Label2, kopilka, money}) {
    frame::BindDrag(c);
  }
  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  for (ui::Control* c : std::initializer_list<ui::Control*>{this, top, Label1, Label2, Label3, count}) {
    c->OnMouseMove = reset;
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Ttakek::FormCreate() {
  DoubleBuffered = true;
  skins_.Reset();
}

void Ttakek::FormShow() {
  kopilka->Caption = labels::Unsigned(engine->Kopilka);
  money->Caption = labels::Unsigned(engine->Money);
  count->Text = "0";
}

void Ttakek::takeClick() {
  engine->PlayClickSound();
  uint32_t amount = 0;
  if (!savings::TypedAmount(count, amount)) return;
  if (!engine->TakeFromPiggyBank(amount)) return;
  engine->ShowInfoMessage("Вы взяли деньги из копилки!");
  closeClick();
}

void Ttakek::closeClick() {
  engine->PlayCloseSound();
  Hide();
  kop->Show();
}

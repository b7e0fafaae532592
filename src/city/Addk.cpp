#include "city/Addk.h"

#include "city/Kop.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Taddk* addk = nullptr;

Taddk::Taddk(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 300, 182);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Добавление денег в копилку");
  close = frame::MakeCloseLabel(this, "X", 285);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  lla = frame::MakeLabel(this, "lla", 16, 28, "Денег в копилке:");
  kopilka = savings::MakeValue(this, "kopilka", 28);
  Label2 = frame::MakeLabel(this, "Label2", 16, 48, "Денег у игрока:");
  money = savings::MakeValue(this, "money", 48);
  Label1 = frame::MakeLabel(this, "Label1", 16, 76, "Сколько денег добавить в копилку:");
  count = savings::MakeAmountField(this);

  const frame::Button made =
      frame::MakeButton(this, &skins_, {"add", 75, 132, 150, 37, "Добавить"}, [this] { addClick(); });
  add = made.picture, addl = made.label;

  for (ui::Control* c : std::initializer_list<ui::Control*>{this, lla, kopilka, Label1}) frame::BindDrag(c);
  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnMouseMove = reset;
  Label1->OnMouseMove = reset;
  count->OnMouseMove = reset;
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Taddk::FormCreate() {
  DoubleBuffered = true;
  skins_.Reset();
}

void Taddk::FormShow() {
  kopilka->Caption = labels::Unsigned(engine->Kopilka);
  money->Caption = labels::Unsigned(engine->Money);
}

void Taddk::addClick() {
  engine->PlayClickSound();
  uint32_t amount = 0;
  if (!savings::TypedAmount(count, amount)) return;
  if (!engine->PutIntoPiggyBank(amount)) return;
  engine->ShowInfoMessage("Вы положили деньги в копилку!");
  closeClick();
}

void Taddk::closeClick() {
  engine->PlayCloseSound();
  Hide();
  kop->Show();
  count->Text = "0";
}

#include "city/Addk.h"

#include "city/Kop.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Taddk* addk = nullptr;

Taddk::Taddk(ui::Application& app)
    : Screen(app, {300, 182, "Добавление денег в копилку", "main", "X", frame::Back(kop)}) {
  top->OnMouseMove = nullptr;
  std::tie(lla, kopilka, Label2, money) = savings::MakeBalance(this, "lla", "Label2");
  Label1 = frame::MakeLabel(this, "Label1", 16, 76, "Сколько денег добавить в копилку:");
  count = savings::MakeAmountField(this);

  AddButtons<Taddk>({{&Taddk::add, &Taddk::addl, {"add", 75, 132, 150, 37, "Добавить"}, &Taddk::addClick}});
  DragBy({lla, kopilka, Label1});
  ResetSkinsOver({Label1, count});
}

void Taddk::FormShow() { savings::ShowBalance(kopilka, money); }

void Taddk::addClick() {
  engine->PlayClickSound();
  uint32_t amount = 0;
  if (!savings::TypedAmount(count, amount)) return;
  if (!engine->PutIntoPiggyBank(amount)) return;
  engine->ShowInfoMessage("Вы положили деньги в копилку!");
  closeClick();
}

void Taddk::closeClick() {
  Screen::closeClick();
  count->Text = "0";
}

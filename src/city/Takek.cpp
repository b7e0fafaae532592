#include "city/Takek.h"

#include "city/Kop.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Ttakek* takek = nullptr;

Ttakek::Ttakek(ui::Application& app)
    : Screen(app, {300, 182, "Взять деньги из копилки", "main", "X", frame::Back(kop)}) {
  std::tie(Label1, kopilka, Label2, money) = savings::MakeBalance(this, "Label1", "Label2");
  Label3 = frame::MakeLabel(this, "Label3", 16, 76, "Сколько денег взять из копилки:");
  count = savings::MakeAmountField(this);

  AddButtons<Ttakek>({{&Ttakek::take, &Ttakek::takel, {"take", 75, 132, 150, 37, "Взять деньги"}, &Ttakek::takeClick}});
  DragBy({Label1, Label2, kopilka, money});
  ResetSkinsOver({Label1, Label2, Label3, count});
}

void Ttakek::FormShow() {
  savings::ShowBalance(kopilka, money);
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

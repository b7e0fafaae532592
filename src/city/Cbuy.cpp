#include "city/Cbuy.h"

#include "city/Avpath.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tcbuy* cbuy = nullptr;

Tcbuy::Tcbuy(ui::Application& app) : Screen(app, {420, 236, "Покупка автомобиля", "menu", "X", frame::Back(avpath)}) {
  AddLabels<Tcbuy>({
      {&Tcbuy::Label1, "Label1", 10, 28, "Цена автомобиля: 13000 руб."},
      {&Tcbuy::Label2, "Label2", 10, 48, "Главное условие: Вам должно быть не меньше 18 лет."},
  });
  frame::AddTexts(this, {{&Tcbuy::Label3, "Label3", 10, 76, 400, 96,
                          "Купив автомобиль Вам больше не надо будет платить за проезд в маршрутном такси, так как "
                          "Вы будете ездить на машине, но Вы можете попасть в аварию, в которой вероятно то, что "
                          "закончится это все смертью игрока."}});
  AddButtons<Tcbuy>({{&Tcbuy::buy, &Tcbuy::buyl, {"buy", 100, 184, 220, 37, "Купить автомобиль"}, &Tcbuy::buyClick}});

  DragBy({Label1, Label2, Label3});
  ResetSkinsOver({Label1, Label2, Label3});
}

void Tcbuy::buyClick() {
  constexpr uint32_t kCarPrice = 13000;
  engine->PlayClickSound();
  engine->Money = labels::ReadCount(menu->money);
  if (static_cast<uint32_t>(engine->Money) <= kCarPrice) {
    engine->ShowGameMessage("У Вас недостаточно денег для покупки автомобиля! Советуем взять кредит в банке.");
    return;
  }
  engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) - kCarPrice);
  menu->money->Caption = labels::Unsigned(engine->Money);
  engine->Car = true;
  frame::SetEnabled({buy, buyl}, false);
  engine->ShowGameMessage("Поздравляем! Вы купили автомобиль!");
  engine->AddMood(10);
  engine->AddExperience(150);
  frame::SetEnabled({avpath->car, avpath->carl}, false);
}

// The purchase shows the market before it hides.
void Tcbuy::closeClick() {
  engine->PlayCloseSound();
  avpath->Show();
  Hide();
}

#include "city/Home.h"

#include "city/Travel.h"
#include "engine/Class.h"

Thome* home = nullptr;

Thome::Thome(ui::Application& app)
    : Screen(app, {305, 204, "Агенство недвижимости", "farm", "X", frame::Back(travel)}) {
  // The four homes, one under another; each shows its price, mood cap and rent when the mouse rests on it.
  frame::AddColumn(this, &skins_, {15, 30, 275, 37, 43},
                   {
                       {&Thome::h1, &Thome::h1l, "h1", "Переехать в общежитие", &Thome::h1Click,
                        "Цена: 2000 руб. Максимальное настроение: 30. Оплата: 800 р\\месяц"},
                       {&Thome::h2, &Thome::h2l, "h2", "Квартира среднего уровня", &Thome::h2Click,
                        "Цена: 4000 руб. Максимальное настроение: 60. Оплата: 1200 р\\месяц"},
                       {&Thome::h3, &Thome::h3l, "h3", "Квартира улучшенной планировки", &Thome::h3Click,
                        "Цена: 7000 руб. Максимальное настроение: 80. Оплата: 2000 р\\месяц"},
                       {&Thome::h4, &Thome::h4l, "h4", "Квартира европейского уровня", &Thome::h4Click,
                        "Цена: 10000 руб. Максимальное настроение: 100. Оплата: 4000 р\\месяц"},
                   });
  // The title strip leaves the skins as they are here.
  top->OnMouseMove = nullptr;
}

// The home the player lives in cannot be chosen; the other three can.
void Thome::UpdateButtons() {
  if (engine->Home < 0 || engine->Home > 3) return;
  const std::pair<ui::Image*, ui::Label*> buttons[4] = {{h1, h1l}, {h2, h2l}, {h3, h3l}, {h4, h4l}};
  for (int type = 0; type < 4; ++type) {
    frame::SetEnabled({buttons[type].first, buttons[type].second}, type != engine->Home);
  }
}

void Thome::h1Click() { Move(0); }
void Thome::h2Click() { Move(1); }
void Thome::h3Click() { Move(2); }
void Thome::h4Click() { Move(3); }

void Thome::Move(int type) {
  engine->PlayClickSound();
  engine->MoveHome(type);
  UpdateButtons();
}

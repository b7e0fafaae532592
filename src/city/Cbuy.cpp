#include "city/Cbuy.h"

#include "city/Avpath.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

Tcbuy* cbuy = nullptr;

namespace {
constexpr int kWidth = 420;
constexpr uint32_t kCarPrice = 13000;
}  // namespace

Tcbuy::Tcbuy(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 236);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Покупка автомобиля");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  Label1 = frame::MakeLabel(this, "Label1", 10, 28, "Цена автомобиля: 13000 руб.");
  Label2 = frame::MakeLabel(this, "Label2", 10, 48, "Главное условие: Вам должно быть не меньше 18 лет.");
  Label3 = frame::MakeLabel(this, "Label3", 10, 76,
                            "Купив автомобиль Вам больше не надо будет платить за проезд в маршрутном такси, так как "
                            "Вы будете ездить на машине, но Вы можете попасть в аварию, в которой вероятно то, что "
                            "закончится это все смертью игрока.");
  Label3->AutoSize = false;
  Label3->WordWrap = true;
  Label3->SetBounds(10, 76, kWidth - 20, 96);

  const frame::Button button = frame::MakeButton(
      this, &skins_, {"buy", (kWidth - 220) / 2, 184, 220, 37, "Купить автомобиль"}, [this] { buyClick(); });
  buy = button.picture;
  buyl = button.label;

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, Label1, Label2, Label3}) {
    frame::BindDrag(handle);
    handle->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tcbuy::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tcbuy::FormShow() { ResetSkins(); }

void Tcbuy::buyClick() {
  engine->PlayClickSound();
  engine->Money = labels::ReadCount(menu->money);
  if (static_cast<uint32_t>(engine->Money) <= kCarPrice) {
    engine->ShowGameMessage("У Вас недостаточно денег для покупки автомобиля! Советуем взять кредит в банке.");
    return;
  }
  engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) - kCarPrice);
  menu->money->Caption = labels::Unsigned(engine->Money);
  engine->Car = true;
  buy->Enabled = false;
  buyl->Enabled = false;
  engine->ShowGameMessage("Поздравляем! Вы купили автомобиль!");
  engine->AddMood(10);
  engine->AddExperience(150);
  avpath->car->Enabled = false;
  avpath->carl->Enabled = false;
}

void Tcbuy::closeClick() {
  engine->PlayCloseSound();
  avpath->Show();
  Hide();
}

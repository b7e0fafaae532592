#include "city/CanCar.h"

#include "city/Avpath.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

TcanCar* canCar = nullptr;

namespace {
constexpr int kCourseDays = 31;
}  // namespace

TcanCar::TcanCar(ui::Application& app)
    : Screen(app, {420, 232, "Обучение на водительские права", "menu", "Х", frame::Back(avpath)}) {
  AddLabels<TcanCar>({
      {&TcanCar::price, "price", 10, 28, "Цена обучения: 2000 р."},
      {&TcanCar::time, "time", 10, 48, "Срок обучения: 1 месяц"},
      {&TcanCar::ad, "ad", 10, 76, "Дополнительно:"},
  });
  frame::AddTexts(this, {{&TcanCar::add, "add", 10, 96, 270, 70,
                          "Процесс обучения идет в то время, когда текут игровые дни, т.е. когда игрок находится в "
                          "главном меню."}});

  pos = new ui::Gauge(this);
  pos->Name = "pos";
  pos->Kind = ui::GaugeKind::Pie;
  pos->SetBounds(298, 30, 106, 106);
  pos->MinValue = 0;
  pos->MaxValue = kCourseDays;
  pos->ForeColor = ui::Color{0, 160, 60};
  pos->BackColor = ui::clWhite;
  pos->Font.Color = ui::clBlack;
  pos->Font.Style = ui::fsBold;
  pos->Visible = false;

  AddButtons<TcanCar>(
      {{&TcanCar::start, &TcanCar::startl, {"start", 100, 180, 220, 37, "Начать обучение"}, &TcanCar::startClick}});
  frame::AddTimers(this, {{&TcanCar::timer, "timer", 1500, &TcanCar::timerTimer}});

  DragBy({price, time, ad, add});
  ResetSkinsOver({price, time, ad, add});
}

// One step of the course is one game day.
void TcanCar::FormCreate() {
  ResetSkins();
  timer->Interval = menu->ttime->Interval();
  Learning = false;
}

// The course starts when the game runs again; a second payment during a
// course starts it over.
void TcanCar::startClick() {
  engine->PlayClickSound();
  const auto cost = static_cast<uint32_t>(engine->CanCarPrice);
  if (static_cast<uint32_t>(engine->Money) <= cost) {
    engine->ShowGameMessage("У Вас недостаточно денег для обучения!");
    return;
  }
  pos->Visible = true;
  engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) - cost);
  menu->money->Caption = labels::Unsigned(engine->Money);
  pos->Progress = 1;
  Learning = true;
}

void TcanCar::timerTimer() {
  if (pos->Progress < kCourseDays) {
    pos->Progress = pos->Progress + 1;
    return;
  }
  pos->Visible = false;
  timer->Enabled = false;
  Learning = false;
  engine->CanCar = true;
  frame::SetEnabled({avpath->can, avpath->canl}, false);
  engine->ShowGameMessage("Вы прошли обучение на водительские права!");
}

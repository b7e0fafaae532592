#include "city/CanCar.h"

#include "city/Avpath.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"

TcanCar* canCar = nullptr;

namespace {
constexpr int kWidth = 420;
constexpr int kCourseDays = 31;
}  // namespace

TcanCar::TcanCar(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 232);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Обучение на водительские права");
  close = frame::MakeCloseLabel(this, "Х", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  price = frame::MakeLabel(this, "price", 10, 28, "Цена обучения: 2000 р.");
  time = frame::MakeLabel(this, "time", 10, 48, "Срок обучения: 1 месяц");
  ad = frame::MakeLabel(this, "ad", 10, 76, "Дополнительно:");
  add = frame::MakeLabel(this, "add", 10, 96,
                         "Процесс обучения идет в то время, когда текут игровые дни, т.е. когда игрок находится в "
                         "главном меню.");
  add->AutoSize = false;
  add->WordWrap = true;
  add->SetBounds(10, 96, 270, 70);

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

  const frame::Button button = frame::MakeButton(
      this, &skins_, {"start", (kWidth - 220) / 2, 180, 220, 37, "Начать обучение"}, [this] { startClick(); });
  start = button.picture;
  startl = button.label;

  timer = new ui::Timer(this);
  timer->Name = "timer";
  timer->Enabled = false;
  timer->Interval = 1500;
  timer->OnTimer = [this](ui::Control&) { timerTimer(); };

  for (ui::Control* handle : std::initializer_list<ui::Control*>{this, top, price, time, ad, add}) {
    frame::BindDrag(handle);
    handle->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

// One step of the course is one game day.
void TcanCar::FormCreate() {
  DoubleBuffered = true;
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
  avpath->can->Enabled = false;
  avpath->canl->Enabled = false;
  engine->ShowGameMessage("Вы прошли обучение на водительские права!");
}

void TcanCar::closeClick() {
  engine->PlayCloseSound();
  Hide();
  avpath->Show();
}

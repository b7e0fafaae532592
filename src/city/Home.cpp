#include "city/Home.h"

#include "city/Travel.h"
#include "engine/Class.h"

Thome* home = nullptr;

namespace {
constexpr int kWidth = 305;
}  // namespace

Thome::Thome(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, kWidth, 204);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Агенство недвижимости");
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  struct Row {
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    const char* caption;
    const char* hint;
    void (Thome::*click)();
  };
  const Row rows[] = {
      {h1, h1l, "h1", "Переехать в общежитие", "Цена: 2000 руб. Максимальное настроение: 30. Оплата: 800 р\\месяц",
       &Thome::h1Click},
      {h2, h2l, "h2", "Квартира среднего уровня", "Цена: 4000 руб. Максимальное настроение: 60. Оплата: 1200 р\\месяц",
       &Thome::h2Click},
      {h3, h3l, "h3", "Квартира улучшенной планировки",
       "Цена: 7000 руб. Максимальное настроение: 80. Оплата: 2000 р\\месяц", &Thome::h3Click},
      {h4, h4l, "h4", "Квартира европейского уровня",
       "Цена: 10000 руб. Максимальное настроение: 100. Оплата: 4000 р\\месяц", &Thome::h4Click},
  };
  int rowTop = 30;
  for (const Row& row : rows) {
    const frame::Button made = frame::MakeButton(
        this, &skins_,
        {row.name, 15, rowTop, 275, 37, row.caption, frame::CaptionPlace::Across, 8, 0, nullptr, nullptr, row.hint},
        [this, click = row.click] { (this->*click)(); });
    row.picture = made.picture;
    row.label = made.label;
    rowTop += 43;
  }

  frame::BindDrag(this);
  frame::BindDrag(top);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Thome::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Thome::FormShow() { UpdateButtons(); }

// The home the player lives in cannot be chosen; the other three can.
void Thome::UpdateButtons() {
  if (engine->Home < 0 || engine->Home > 3) return;
  const std::pair<ui::Image*, ui::Label*> buttons[4] = {{h1, h1l}, {h2, h2l}, {h3, h3l}, {h4, h4l}};
  for (int type = 0; type < 4; ++type) {
    buttons[type].first->Enabled = type != engine->Home;
    buttons[type].second->Enabled = type != engine->Home;
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

void Thome::closeClick() {
  engine->PlayCloseSound();
  Hide();
  travel->Show();
}

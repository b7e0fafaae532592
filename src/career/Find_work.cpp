#include "career/Find_work.h"

#include "career/Skill.h"
#include "city/Play.h"
#include "engine/Class.h"

Tfwork* fwork = nullptr;

namespace {

// One offer: its job title (the caption, also the title the player holds),
// the education steps it asks for, what a player below them is told, the
// monthly salary.
struct Offer {
  const char* name;
  const char* title;
  const char* hint;
  bool visible;
  int gate;
  const char* refusal;
  int salary;
};

constexpr Offer kOffers[3] = {
    {"w1", "Расфасовщик CD-дисков", "Необходимо иметь хотя бы одну заполненную ячейку в образовании.", true, 1,
     "У Вас недостаточный уровень! Нужно иметь хотя бы одну заполненную ячейку в 'Образовании'.", 1500},
    {"w2", "Сборщик компьютеров", "Необходимо иметь хотя бы 1 уровень образования.", false, 11,
     "У Вас недостаточный уровень! Нужно иметь хотя бы первый уровень в 'Образовании'.", 2000},
    {"w3", "Наладчик компьютеров", "Необходимо иметь хотя бы 2.5 уровня образования.", false, 26,
     "У Вас недостаточный уровень! Нужно иметь хотя бы два с половиной уровня в 'Образовании'.", 2500},
};

constexpr int kLeft = 16;
constexpr int kFirstTop = 32;
constexpr int kStep = 46;

}  // namespace

Tfwork::Tfwork(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 252, kFirstTop + 3 * kStep + 6);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Поиск работы");
  close = frame::MakeCloseLabel(this, "X", 237);

  ui::Image** pictures[3] = {&w1, &w2, &w3};
  ui::Label** labels[3] = {&w1l, &w2l, &w3l};
  for (int i = 0; i < 3; ++i) {
    const Offer& offer = kOffers[i];
    const frame::Button b = frame::MakeButton(
        this, &skins_, {offer.name, kLeft, kFirstTop + i * kStep, 220, 37, offer.title, frame::CaptionPlace::Centred},
        [this, i] {
          void (Tfwork::*const clicks[3])() = {&Tfwork::w1Click, &Tfwork::w2Click, &Tfwork::w3Click};
          (this->*clicks[i])();
        });
    b.picture->Hint = offer.hint;
    b.label->Hint = offer.hint;
    b.picture->Visible = offer.visible;
    b.label->Visible = offer.visible;
    *pictures[i] = b.picture;
    *labels[i] = b.label;
  }

  close->OnClick = [this](ui::Control&) { closeClick(); };
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tfwork::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

void Tfwork::w1Click() { TakeOffer(0); }
void Tfwork::w2Click() { TakeOffer(1); }
void Tfwork::w3Click() { TakeOffer(2); }

void Tfwork::TakeOffer(int index) {
  const Offer& offer = kOffers[index];
  engine->PlayClickSound();
  if (skills->CellsAdded[3] < offer.gate) {
    engine->ShowInfoMessage(offer.refusal);
    return;
  }
  engine->GetJob(offer.title, offer.salary);
  EnableOffers(false);
}

void Tfwork::EnableOffers(bool enabled) {
  for (ui::Control* c :
       {static_cast<ui::Control*>(w1), static_cast<ui::Control*>(w1l), static_cast<ui::Control*>(w2),
        static_cast<ui::Control*>(w2l), static_cast<ui::Control*>(w3), static_cast<ui::Control*>(w3l)}) {
    c->Enabled = enabled;
  }
}

void Tfwork::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}

#include "career/Find_work.h"

#include "career/Skill.h"
#include "city/Play.h"
#include "engine/Class.h"

Tfwork* fwork = nullptr;

namespace {

// One offer: its button, its job title (the caption, also the title the
// player holds) and hint, the education steps it asks for, what a player
// below them is told, the monthly salary.
struct Offer {
  const char* name;
  const char* title;
  const char* hint;
  int gate;
  const char* refusal;
  int salary;
};

constexpr Offer kOffers[3] = {
    {"w1", "Расфасовщик CD-дисков", "Необходимо иметь хотя бы одну заполненную ячейку в образовании.", 1,
     "У Вас недостаточный уровень! Нужно иметь хотя бы одну заполненную ячейку в 'Образовании'.", 1500},
    {"w2", "Сборщик компьютеров", "Необходимо иметь хотя бы 1 уровень образования.", 11,
     "У Вас недостаточный уровень! Нужно иметь хотя бы первый уровень в 'Образовании'.", 2000},
    {"w3", "Наладчик компьютеров", "Необходимо иметь хотя бы 2.5 уровня образования.", 26,
     "У Вас недостаточный уровень! Нужно иметь хотя бы два с половиной уровня в 'Образовании'.", 2500},
};

constexpr int kFirstTop = 32;
constexpr int kStep = 46;

// The offers stand one under another, the job title centred on the button.
frame::ButtonRow OfferButton(int i) {
  const Offer& o = kOffers[i];
  frame::ButtonRow row{o.name, 16, kFirstTop + i * kStep, 220, 37, o.title, frame::CaptionPlace::Centred};
  row.hint = o.hint;
  return row;
}

}  // namespace

Tfwork::Tfwork(ui::Application& app)
    : Screen(app, {252, kFirstTop + 3 * kStep + 6, "Поиск работы", "menu", "X", frame::Back(menu)}) {
  AddButtons<Tfwork>({
      {&Tfwork::w1, &Tfwork::w1l, OfferButton(0), &Tfwork::w1Click},
      {&Tfwork::w2, &Tfwork::w2l, OfferButton(1), &Tfwork::w2Click},
      {&Tfwork::w3, &Tfwork::w3l, OfferButton(2), &Tfwork::w3Click},
  });
  // The second and third offers appear on their dates.
  for (ui::Control* c : std::initializer_list<ui::Control*>{w2, w2l, w3, w3l}) c->Visible = false;
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
  for (ui::Control* c : std::initializer_list<ui::Control*>{w1, w1l, w2, w2l, w3, w3l}) c->Enabled = enabled;
}

#include "city/Travel.h"

#include "city/Apteka.h"
#include "city/Avpath.h"
#include "city/Bank.h"
#include "city/Home.h"
#include "city/Ksalon.h"
#include "city/Play.h"
#include "city/Sanatory.h"
#include "city/Setka.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "hardware/Dsel.h"
#include "platform/Conversions.h"
#include "software/Ssel.h"

Ttravel* travel = nullptr;

namespace {
constexpr int kButtonLeft = 8;
constexpr int kFirstTop = 28;
constexpr int kStep = 40;
constexpr uint32_t kFare = 16;
}  // namespace

Ttravel::Ttravel(ui::Application& app) : ui::Form(app) {
  SetClientSize(306, 412);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Поездка");
  close = frame::MakeCloseLabel(this, "X", 291);

  // The nine destinations, one under another, each caption centred on its button.
  struct Destination {
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    const char* caption;
    void (Ttravel::*click)();
  };
  const Destination destinations[] = {
      {comp, compl_, "comp", "Поехать в компьютерный магазин", &Ttravel::compClick},
      {soft, softl, "soft", "Поехать в софтверный магазин", &Ttravel::softClick},
      {hosp, hospl, "hosp", "Поехать в аптеку", &Ttravel::hospClick},
      {avto, avtol, "avto", "Поехать на авто рынок", &Ttravel::avtoClick},
      {bnk, bnkl, "bnk", "Поехать в банк", &Ttravel::bnkClick},
      {salon, salonl, "salon", "Поехать в компьютерный клуб", &Ttravel::salonClick},
      {club, clubl, "club", "Поехать в ночной клуб", &Ttravel::clubClick},
      {san, sanl, "san", "Поехать в санаторий", &Ttravel::sanClick},
      {house, housel, "house", "Поехать в агенство недвижимости", &Ttravel::houseClick},
  };
  int buttonTop = kFirstTop;
  for (const Destination& d : destinations) {
    const frame::Button made = frame::MakeButton(this, &skins_, {d.name, kButtonLeft, buttonTop, 290, 32, d.caption},
                                                 [this, click = d.click] { (this->*click)(); });
    d.picture = made.picture;
    d.label = made.label;
    buttonTop += kStep;
  }

  change = frame::MakeLabel(this, "change", 0, kFirstTop + 9 * kStep + 2, "*** проезд 8 руб.");
  change->PlaceBySize([](ui::Label& l) { l.Left = (306 - l.Width) / 2; });
  frame::BindDrag(change);

  close->OnClick = [this](ui::Control&) { closeClick(); };

  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Ttravel::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
  for (ui::Label* label : {compl_, softl, hospl, avtol, bnkl, salonl, clubl, sanl, housel}) {
    label->Font.Color = ui::clBlack;
  }
}

void Ttravel::FormShow() { ResetSkins(); }

void Ttravel::Trip(const char* logLine, ui::Form* destination) {
  engine->WriteLog(logLine);
  engine->PlayClickSound();
  engine->PauseGame();
  if (engine->Car) {
    destination->Show();
    Hide();
    engine->AddExperience(1);
    return;
  }
  if (static_cast<uint32_t>(engine->Money) > kFare) {
    engine->Money = static_cast<int>(static_cast<uint32_t>(engine->Money) - kFare);
    menu->money->Caption = labels::Unsigned(engine->Money);
    destination->Show();
    Hide();
    engine->AddExperience(2);
    engine->PauseGame();
  } else {
    engine->ShowInfoMessage("У Вас недостаточно денег на поездку!");
  }
}

void Ttravel::compClick() { Trip("Поездка в компьютерный магазин...", devsel); }
void Ttravel::softClick() { Trip("Поездка в софтверный магазин...", softsel); }
void Ttravel::hospClick() { Trip("Поездка в аптеку...", apteka); }
void Ttravel::avtoClick() { Trip("Поездка на авто рынок...", avpath); }
void Ttravel::bnkClick() { Trip("Поездка в банк...", bank); }
void Ttravel::salonClick() { Trip("Поездка в компьютерный салон...", ksalon); }
void Ttravel::clubClick() { Trip("Поездка в ночной клуб...", setka); }
void Ttravel::houseClick() { Trip("Поездка в агенство недвижимости...", home); }

void Ttravel::sanClick() {
  // The sanatorium is reached without fare and without experience.
  engine->WriteLog("Поездка в санаторий...");
  engine->PlayClickSound();
  sanatory->Show();
  Hide();
}

void Ttravel::closeClick() {
  engine->PlayCloseSound();
  Hide();
  engine->PauseGame();
  menu->Show();
}

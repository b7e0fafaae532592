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

ui::Image* Ttravel::MakeButton(const char* name, int index, ui::Label*& label, const char* labelName,
                               const char* caption) {
  const int buttonTop = kFirstTop + index * kStep;
  auto* picture = new ui::Image(this);
  picture->Name = name;
  picture->SetBounds(kButtonLeft, buttonTop, 290, 32);
  label = frame::MakeLabel(this, labelName, kButtonLeft, buttonTop + 8, caption);
  SkinSet::Style(picture, label);
  label->Left = kButtonLeft + (290 - label->Width) / 2;
  skins_.Bind(picture, label);
  return picture;
}

Ttravel::Ttravel(ui::Application& app) : ui::Form(app) {
  SetClientSize(306, 412);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Поездка");
  close = frame::MakeCloseLabel(this, "X", 291);

  comp = MakeButton("comp", 0, compl_, "compl", "Поехать в компьютерный магазин");
  soft = MakeButton("soft", 1, softl, "softl", "Поехать в софтверный магазин");
  hosp = MakeButton("hosp", 2, hospl, "hospl", "Поехать в аптеку");
  avto = MakeButton("avto", 3, avtol, "avtol", "Поехать на авто рынок");
  bnk = MakeButton("bnk", 4, bnkl, "bnkl", "Поехать в банк");
  salon = MakeButton("salon", 5, salonl, "salonl", "Поехать в компьютерный клуб");
  club = MakeButton("club", 6, clubl, "clubl", "Поехать в ночной клуб");
  san = MakeButton("san", 7, sanl, "sanl", "Поехать в санаторий");
  house = MakeButton("house", 8, housel, "housel", "Поехать в агенство недвижимости");

  change = frame::MakeLabel(this, "change", 0, kFirstTop + 9 * kStep + 2, "*** проезд 8 руб.");
  change->Left = (306 - change->Width) / 2;
  frame::BindDrag(change);

  comp->OnClick = [this](ui::Control&) { compClick(); };
  soft->OnClick = [this](ui::Control&) { softClick(); };
  hosp->OnClick = [this](ui::Control&) { hospClick(); };
  avto->OnClick = [this](ui::Control&) { avtoClick(); };
  bnk->OnClick = [this](ui::Control&) { bnkClick(); };
  salon->OnClick = [this](ui::Control&) { salonClick(); };
  club->OnClick = [this](ui::Control&) { clubClick(); };
  san->OnClick = [this](ui::Control&) { sanClick(); };
  house->OnClick = [this](ui::Control&) { houseClick(); };
  close->OnClick = [this](ui::Control&) { closeClick(); };

  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnMouseDown = [](ui::Control& c, ui::MouseButton b, ui::ShiftState, int x, int y) { frame::Drag(c, b, x, y); };
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

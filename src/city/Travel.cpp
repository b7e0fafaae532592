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

Ttravel::Ttravel(ui::Application& app) : Screen(app, {306, 412, "Поездка", "bnk", "X", frame::Back(menu)}) {
  // The nine destinations, one under another, each caption centred on its button.
  frame::AddColumn(
      this, &skins_, {8, 28, 290, 32, 40},
      {
          {&Ttravel::comp, &Ttravel::compl_, "comp", "Поехать в компьютерный магазин", &Ttravel::compClick},
          {&Ttravel::soft, &Ttravel::softl, "soft", "Поехать в софтверный магазин", &Ttravel::softClick},
          {&Ttravel::hosp, &Ttravel::hospl, "hosp", "Поехать в аптеку", &Ttravel::hospClick},
          {&Ttravel::avto, &Ttravel::avtol, "avto", "Поехать на авто рынок", &Ttravel::avtoClick},
          {&Ttravel::bnk, &Ttravel::bnkl, "bnk", "Поехать в банк", &Ttravel::bnkClick},
          {&Ttravel::salon, &Ttravel::salonl, "salon", "Поехать в компьютерный клуб", &Ttravel::salonClick},
          {&Ttravel::club, &Ttravel::clubl, "club", "Поехать в ночной клуб", &Ttravel::clubClick},
          {&Ttravel::san, &Ttravel::sanl, "san", "Поехать в санаторий", &Ttravel::sanClick},
          {&Ttravel::house, &Ttravel::housel, "house", "Поехать в агенство недвижимости", &Ttravel::houseClick},
      });
  change = frame::MakeLabel(this, "change", 0, 390, "*** проезд 8 руб.");
  change->PlaceBySize([](ui::Label& l) { l.Left = (306 - l.Width) / 2; });
  DragBy({change});
}

void Ttravel::FormCreate() {
  ResetSkins();
  for (ui::Label* label : {compl_, softl, hospl, avtol, bnkl, salonl, clubl, sanl, housel}) {
    label->Font.Color = ui::clBlack;
  }
}

void Ttravel::Trip(const char* logLine, ui::Form* destination) {
  constexpr uint32_t kFare = 16;
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
  frame::ShowThenHide(this, sanatory);
}

// Travel hides before the game is paused and the game screen shown.
void Ttravel::closeClick() {
  engine->PlayCloseSound();
  Hide();
  engine->PauseGame();
  menu->Show();
}

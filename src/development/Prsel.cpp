#include "development/Prsel.h"

#include "city/Play.h"
#include "development/DevRules.h"
#include "development/Gamesel.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

Tprset* prset = nullptr;

Tprset::Tprset(ui::Application& app) : ChoiceScreen(app, "Выбор проекта", 2) {
  frame::AddColumn(this, &skins_, kChoices,
                   {{&Tprset::game, &Tprset::gamel, "game", "Игра", &Tprset::gameClick},
                    {&Tprset::ddoc, &Tprset::ddocl, "ddoc", "Дизайн-документ", &Tprset::ddocClick}});
}

void Tprset::gameClick() {
  engine->PlayClickSound();
  menu->ProjectKind = "Игра";
  Hide();
  gameset->Show();
}

void Tprset::ddocClick() {
  engine->PlayClickSound();
  menu->ProjectKind = "Дизайн-документ";
  menu->DdocLength = devrules::kDesignDays;
  menu->DdocDay = 0;
  menu->DdocActive = true;
  // The development button rests until the document is written.
  menu->dev->Enabled = false;
  menu->devl->Enabled = false;
  engine->WriteLog("Начат дизайн-документ...");
  engine->ShowInfoMessage("Вы начали писать дизайн-документ. Он будет готов через " +
                          platform::IntToStr(devrules::kDesignDays) + " дней.");
  Hide();
  menu->Show();
}

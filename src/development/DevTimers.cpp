#include "city/Play.h"
#include "development/DevRules.h"
#include "development/Progress.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

// The design document: one day per tick until it is written.
void Tmenu::ddoc_timerTimer() {
  DdocDay = DdocDay + 1;
  if (DdocDay < DdocLength) return;
  ddoc_timer->Enabled = false;
  DdocActive = false;
  ProjectKind.clear();
  dev->Enabled = engine->Computer;
  devl->Enabled = engine->Computer;
  engine->AddExperience(devrules::kDesignExperience);
  engine->WriteLog("Дизайн-документ написан...");
  engine->ShowGameMessage("Дизайн-документ готов! Вы получили " + platform::IntToStr(devrules::kDesignExperience) +
                          " очков опыта.");
}

// The development run: one step per tick, each a point of the game's
// language; the last step finishes the game, which then waits for sale.
void Tmenu::sgDevTimerTimer() {
  if (!DevActive) {
    sgDevTimer->Enabled = false;
    return;
  }
  DevStep = DevStep + 1;
  if (DevLanguage == "С++") {
    engine->AddCppPoints(1);
  } else {
    engine->AddPascalPoints(1);
  }
  devProgress->Draw();
  if (DevStep < DevSteps) return;
  sgDevTimer->Enabled = false;
  DevActive = false;
  ProjectKind.clear();
  engine->GamesMade->Items.Add(DevName);
  engine->GamesForSale->Items.Add(DevName);
  engine->GamePrices->Items.Add(platform::IntToStr(DevPrice));
  SetDevelopmentCaption("Разработка");
  engine->WriteLog("Игра разработана...");
  engine->ShowGameMessage("Игра \"" + DevName + "\" готова! Продать её можно на выставке игр в Интернете.");
}

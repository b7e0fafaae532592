#include "city/Play.h"
#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "ui/Application.h"

// The daily trip to the university: the fare of 16 roubles on every working
// day; the sixth day in a row without it expels the player, which ends the
// game. A car makes the trip free.
void Tzenx::DailyCommute() {
  if (Car) return;
  // A money label that is not a number charges nothing and counts no miss.
  int32_t cash = 0;
  if (!labels::TryReadAmount(menu->money, cash)) return;
  Money = cash;
  if (static_cast<uint32_t>(Money) > 16u) {
    menu->AttendsUniversity = true;
    Money = static_cast<int>(static_cast<uint32_t>(Money) - 16u);
    menu->money->Caption = labels::Unsigned(Money);
    Stroll = 0;
    return;
  }
  if (static_cast<uint32_t>(Stroll) < 5u) {
    Stroll = Stroll + 1;
    WriteLog("Прогул...");
    return;
  }
  ShowGameMessage("Вы прогуляли много занятий! Из-за этого Вас исключили из Университета! Игра закончена!");
  if (App().Terminated()) return;
  WriteLog("Прогульщик!.. Выход из игры!");
  EndGame();
}

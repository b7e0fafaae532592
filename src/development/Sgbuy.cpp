#include "development/Sgbuy.h"

#include "development/Sitebazar.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

TssgBuy* ssgBuy = nullptr;

TssgBuy::TssgBuy(ui::Application& app) : Screen(app, {320, 146, "Продажа игры", nullptr, "X", frame::Back(sBazar)}) {
  DoubleBuffered = false;
  // A long name takes a second line.
  frame::AddTexts(this, {{&TssgBuy::game, "game", 16, 28, 288, 32, ""}});
  AddLabels<TssgBuy>({{&TssgBuy::price, "price", 16, 68, ""}});
  price->Font.Style = ui::fsBold;
  DragBy({game, price});
  frame::AddPushes(this, {{&TssgBuy::buy, {"buy", 30, 102, 120, 28, "Продать"}, &TssgBuy::buyClick},
                          {&TssgBuy::cancel, {"cancel", 170, 102, 120, 28, "Отказаться"}, &TssgBuy::closeClick}});
}

void TssgBuy::Offer(int index) {
  Index = index;
  const ui::StringList& names = engine->GamesForSale->Items;
  const ui::StringList& prices = engine->GamePrices->Items;
  const bool known = index >= 0 && index < names.Count();
  game->Caption = "Игра: " + (known ? names[index] : std::string());
  price->Caption = "Цена: " + (known && index < prices.Count() ? prices[index] : std::string("0")) + " руб.";
}

void TssgBuy::buyClick() {
  engine->PlayClickSound();
  ui::StringList& names = engine->GamesForSale->Items;
  ui::StringList& prices = engine->GamePrices->Items;
  int32_t amount = 0;
  if (Index < 0 || Index >= names.Count() || Index >= prices.Count() || !platform::TryStrToInt(prices[Index], amount) ||
      amount < 0) {
    engine->ShowInfoMessage("Эта игра уже не продаётся.");
    closeClick();
    return;
  }
  const std::string title = names[Index];
  names.Delete(Index);
  prices.Delete(Index);
  Index = -1;
  engine->AddMoney(static_cast<uint32_t>(amount));
  engine->WriteLog("Продажа игры...");
  engine->ShowInfoMessage("Вы продали игру \"" + title + "\" за " + platform::IntToStr(amount) + " руб.");
  Hide();
  sBazar->Show();
}

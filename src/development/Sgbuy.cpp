#include "development/Sgbuy.h"

#include "development/Sitebazar.h"
#include "engine/Class.h"
#include "engine/Frame.h"
#include "platform/Conversions.h"

TssgBuy* ssgBuy = nullptr;

TssgBuy::TssgBuy(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 320, 146);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Продажа игры");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  // A long name takes a second line.
  game = frame::MakeLabel(this, "game", 16, 28, "");
  game->AutoSize = false;
  game->WordWrap = true;
  game->SetBounds(16, 28, 288, 32);
  price = frame::MakeLabel(this, "price", 16, 68, "");
  price->Font.Style = ui::fsBold;
  frame::BindDrag(game);
  frame::BindDrag(price);
  buy = new ui::Button(this);
  buy->Name = "buy";
  buy->Caption = "Продать";
  buy->Font.Color = ui::clBlack;
  buy->SetBounds(30, 102, 120, 28);
  buy->OnClick = [this](ui::Control&) { buyClick(); };
  cancel = new ui::Button(this);
  cancel->Name = "cancel";
  cancel->Caption = "Отказаться";
  cancel->Font.Color = ui::clBlack;
  cancel->SetBounds(170, 102, 120, 28);
  cancel->OnClick = [this](ui::Control&) { closeClick(); };
  frame::BindDrag(this);
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

void TssgBuy::closeClick() {
  engine->PlayCloseSound();
  Hide();
  sBazar->Show();
}

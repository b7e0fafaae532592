#include "hardware/Department.h"

#include "engine/Class.h"
#include "platform/Conversions.h"
#include "ui/Application.h"

namespace {
constexpr int kItemHeight = 37;
constexpr int kLargestCaption = 13;  // a fitted caption's size before it is fitted
constexpr int kSmallestCaption = 9;
}  // namespace

Tdepartment::Tdepartment(ui::Application& app, const Store& store, const char* title, const char* kind)
    : Screen(app, {store.width, store.itemTop + store.bottom, title, store.skins, "X", store.back}),
      store_(store),
      kind_(kind) {
  if (!store.titleResets) top->OnMouseMove = nullptr;
}

void Tdepartment::AddItem(const Goods& goods) {
  const int index = ItemCount();
  const int itemTop = store_.itemTop + index * store_.itemStep;
  const frame::Button made = frame::MakeButton(
      this, &skins_,
      {goods.control, store_.itemLeft, itemTop, store_.itemWidth, kItemHeight, "", frame::CaptionPlace::Centred},
      [this, index] { BuyItem(index); });
  if (store_.fitCaptions) {
    // Centred over the item, not bold; the show handler writes it.
    made.label->Font.Style = 0;
  } else {
    // Over the whole button; a long name wraps onto a second line.
    made.label->WordWrap = true;
    made.label->SetBounds(store_.itemLeft + 4, itemTop, store_.itemWidth - 8, kItemHeight);
    made.label->Font.Size = 11;
  }
  made.picture->Visible = goods.visible;
  made.label->Visible = goods.visible;
  items_.push_back({goods, made.picture, made.label});
}

int Tdepartment::Price(int index) const {
  const Goods& goods = items_[index].goods;
  return goods.price != nullptr ? engine->*goods.price : goods.fixedPrice;
}

void Tdepartment::FormShow() {
  for (int i = 0; i < ItemCount(); ++i) {
    ui::Label* label = items_[i].label;
    label->Caption = engine->*items_[i].goods.name + " - " + platform::IntToStr(Price(i)) + "p.";
    if (!store_.fitCaptions) continue;
    // A long name is written smaller so it stays on its button.
    label->Font.Size = kLargestCaption;
    while (label->Font.Size > kSmallestCaption &&
           App().Fonts().Measure(label->Font.Info(), label->Caption()).width > store_.itemWidth - 8) {
      label->Font.Size = label->Font.Size - 1;
    }
  }
}

void Tdepartment::BuyItem(int index) {
  engine->PlayClickSound();
  (engine->*store_.buy)(Price(index), engine->*items_[index].goods.name, kind_);
}

void Tdepartment::closeClick() {
  if (!store_.chooserFirst) return Screen::closeClick();
  engine->PlayCloseSound();
  store_.back()->Show();
  Hide();
}

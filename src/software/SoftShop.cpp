#include "software/SoftShop.h"

#include "engine/Class.h"
#include "platform/Conversions.h"
#include "software/Ssel.h"

namespace {
// Items lie 44 pixels apart from the top of the window down, a hidden one
// keeping its place; the window is as tall as its items.
constexpr int kItemLeft = 16;
constexpr int kFirstItemTop = 32;
constexpr int kItemStep = 44;
constexpr int kItemWidth = 220;
constexpr int kItemHeight = 37;
constexpr int kWidth = 252;
}  // namespace

SoftDepartment::SoftDepartment(ui::Application& app, const SoftDepartmentDesign& design)
    : ui::Form(app), design_(design) {
  SetClientSize(kWidth, kFirstItemTop + design.count * kItemStep + 8);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, design.title);
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  for (int i = 0; i < design.count; ++i) {
    const SoftItem& item = design.items[i];
    const int itemTop = kFirstItemTop + i * kItemStep;
    const frame::Button made = frame::MakeButton(
        this, &skins_, {item.control, kItemLeft, itemTop, kItemWidth, kItemHeight, "", frame::CaptionPlace::Centred},
        [this, i] { BuyItem(i); });
    // The caption lies over the whole button; a long name wraps onto a second line.
    made.label->WordWrap = true;
    made.label->SetBounds(kItemLeft + 4, itemTop, kItemWidth - 8, kItemHeight);
    made.label->Font.Size = 11;
    made.picture->Visible = item.visible;
    made.label->Visible = item.visible;
    pictures_[i] = made.picture;
    labels_[i] = made.label;
  }

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void SoftDepartment::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

int SoftDepartment::Price(int index) const {
  const SoftItem& item = design_.items[index];
  return item.price != nullptr ? engine->*item.price : item.fixedPrice;
}

// The captions follow the catalogue at every showing.
void SoftDepartment::FormShow() {
  for (int i = 0; i < design_.count; ++i) {
    labels_[i]->Caption = engine->*design_.items[i].name + " - " + platform::IntToStr(Price(i)) + "p.";
  }
}

void SoftDepartment::BuyItem(int index) {
  engine->PlayClickSound();
  engine->BuyProgram(Price(index), engine->*design_.items[index].name, design_.kind);
}

void SoftDepartment::closeClick() {
  engine->PlayCloseSound();
  Hide();
  softsel->Show();
}

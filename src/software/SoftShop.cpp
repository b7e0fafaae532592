#include "software/SoftShop.h"

#include "engine/Class.h"
#include "platform/Conversions.h"
#include "software/Ssel.h"

namespace {
constexpr int kItemLeft = 16;
constexpr int kFirstItemTop = 32;
constexpr int kItemStep = 44;
constexpr int kWidth = 252;
}  // namespace

SoftDepartment::SoftDepartment(ui::Application& app, const std::string& title, const char* kind, int itemCount)
    : ui::Form(app), kind_(kind) {
  SetClientSize(kWidth, kFirstItemTop + itemCount * kItemStep + 8);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, title);
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  close = frame::MakeCloseLabel(this, "X", kWidth - 15);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

ui::Image* SoftDepartment::AddItem(const char* pictureName, ui::Label*& label, const std::string& name,
                                   const int& price, bool hidden) {
  return Add(pictureName, label, Item{nullptr, nullptr, &name, &price, 0}, hidden);
}

ui::Image* SoftDepartment::AddFixedPriceItem(const char* pictureName, ui::Label*& label, const std::string& name,
                                             int fixedPrice, bool hidden) {
  return Add(pictureName, label, Item{nullptr, nullptr, &name, nullptr, fixedPrice}, hidden);
}

ui::Image* SoftDepartment::Add(const char* pictureName, ui::Label*& label, Item item, bool hidden) {
  const int itemTop = kFirstItemTop + static_cast<int>(items_.size()) * kItemStep;
  auto* picture = new ui::Image(this);
  picture->Name = pictureName;
  picture->SetBounds(kItemLeft, itemTop, 220, 37);
  // The caption lies over the whole button; a long name wraps onto a second line.
  label = frame::MakeLabel(this, std::string(pictureName) + "l", kItemLeft + 4, itemTop, "");
  SkinSet::Style(picture, label);
  label->AutoSize = false;
  label->WordWrap = true;
  label->SetBounds(kItemLeft + 4, itemTop, 212, 37);
  label->Alignment = ui::Alignment::Center;
  label->Layout = ui::TextLayout::Center;
  label->Font.Size = 11;
  skins_.Bind(picture, label);
  picture->Visible = !hidden;
  label->Visible = !hidden;
  item.picture = picture;
  item.label = label;
  items_.push_back(item);
  const size_t index = items_.size() - 1;
  picture->OnClick = [this, index](ui::Control&) { Buy(items_[index]); };
  return picture;
}

void SoftDepartment::FormCreate() {
  DoubleBuffered = true;
  ResetSkins();
}

// The captions follow the catalogue at every showing.
void SoftDepartment::FormShow() {
  for (const Item& item : items_) item.label->Caption = *item.name + " - " + platform::IntToStr(item.Price()) + "p.";
}

void SoftDepartment::Buy(const Item& item) {
  engine->PlayClickSound();
  engine->BuyProgram(item.Price(), *item.name, kind_);
}

void SoftDepartment::closeClick() {
  engine->PlayCloseSound();
  Hide();
  softsel->Show();
}

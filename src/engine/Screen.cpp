#include "engine/Screen.h"

#include "engine/Class.h"
#include "ui/ListBox.h"
#include "ui/Timer.h"

Screen::Screen(ui::Application& app, const ScreenFrame& frame)
    : ui::Form(app), skins_(frame.skins != nullptr ? frame.skins : "", frame.skinMode), back_(frame.back) {
  frame::UseScreenLook(this, frame.width, frame.height);
  // Our windows never flicker; the flag is kept as every screen sets it.
  DoubleBuffered = true;

  if (frame.title != nullptr) top = frame::MakeTitle(this, frame.title);
  if (frame.close != nullptr) {
    close = frame::MakeCloseLabel(this, frame.close, frame.width - 15);
    close->OnClick = [this](ui::Control&) { closeClick(); };
  }
  frame::BindDrag(this);
  if (frame.skins != nullptr) ResetSkinsOver({this});
  if (frame.skins != nullptr && top != nullptr) ResetSkinsOver({top});
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Screen::closeClick() {
  engine->PlayCloseSound();
  Hide();
  if (ui::Form* form = back_ ? back_() : nullptr) form->Show();
}

void Screen::DragBy(std::initializer_list<ui::Control*> handles) {
  for (ui::Control* handle : handles) frame::BindDrag(handle);
}

void Screen::ResetSkinsOver(std::initializer_list<ui::Control*> controls) {
  for (ui::Control* control : controls) {
    control->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  }
}

namespace frame {

void HideThenShow(ui::Form* from, ui::Form* next) {
  engine->PlayClickSound();
  from->Hide();
  next->Show();
}

void ShowThenHide(ui::Form* from, ui::Form* next) {
  engine->PlayClickSound();
  next->Show();
  from->Hide();
}

ui::Label* MakeText(ui::Control* parent, const char* name, const ui::Rect& bounds, const char* caption) {
  ui::Label* label = MakeLabel(parent, name, bounds.left, bounds.top, caption);
  label->AutoSize = false;
  label->WordWrap = true;
  label->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  return label;
}

ui::Timer* MakeTimer(ui::Control* owner, const std::string& name, int interval, std::function<void()> tick) {
  auto* timer = new ui::Timer(owner);
  timer->Name = name;
  timer->Enabled = false;
  timer->Interval = interval;
  timer->OnTimer = [tick = std::move(tick)](ui::Control&) { tick(); };
  return timer;
}

void SetEnabled(std::initializer_list<ui::Control*> controls, bool enabled) {
  for (ui::Control* control : controls) control->Enabled = enabled;
}

}  // namespace frame

ui::ListBox* frame::MakeList(ui::Control* parent, const char* name, int left, int top, int width, int height) {
  auto* list = new ui::ListBox(parent);
  list->Name = name;
  list->SetBounds(left, top, width, height);
  list->Color = ui::clBlack;
  list->Font.Color = ui::clWhite;
  return list;
}

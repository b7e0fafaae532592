#include "engine/Screen.h"

#include "engine/Class.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ListBox.h"
#include "ui/ProgressBar.h"
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
  OnCreate = [this](ui::Control&) {
    // The title strip takes the face and size the screen gave its window,
    // but stays white when the window's own font is of another colour.
    if (top != nullptr) top->Font.Color = ui::clWhite;
    FormCreate();
  };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Screen::closeClick() {
  engine->PlayCloseSound();
  Hide();
  if (ui::Form* form = back_ ? back_() : nullptr) form->Show();
}

void Screen::CloseRequested() {
  if (App().MainForm() == this || OnCloseQuery || (IsModal() && close == nullptr)) {
    ui::Form::CloseRequested();
    return;
  }
  if (close != nullptr && close->IsShowing() && close->IsEnabled()) closeClick();
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

namespace frame {

ui::Button* MakePush(ui::Control* parent, const PushRow& row, std::function<void()> onClick) {
  auto* button = new ui::Button(parent);
  button->Name = row.name;
  button->Caption = row.caption;
  button->SetBounds(row.left, row.top, row.width, row.height);
  if (row.fontSize != 0) button->Font.Size = row.fontSize;
  if (row.style != 0) button->Font.Style = row.style;
  button->Font.Color = ui::clBlack;
  if (row.hint != nullptr) button->Hint = row.hint;
  if (onClick) button->OnClick = [onClick = std::move(onClick)](ui::Control&) { onClick(); };
  return button;
}

ui::Label* MakeBox(ui::Control* parent, const BoxRow& row) {
  ui::Label* label = MakeLabel(parent, row.name, row.left, row.top, row.caption);
  label->AutoSize = false;
  label->SetBounds(row.left, row.top, row.width, row.height);
  label->Alignment = row.alignment;
  label->Layout = row.layout;
  label->WordWrap = row.wordWrap;
  if (row.fontSize != 0) label->Font.Size = row.fontSize;
  if (row.style != 0) label->Font.Style = row.style;
  return label;
}

ui::ProgressBar* MakeBar(ui::Control* parent, const char* name, int left, int top, int width, int height, int max) {
  auto* bar = new ui::ProgressBar(parent);
  bar->Name = name;
  bar->SetBounds(left, top, width, height);
  bar->Min = 0;
  bar->Max = max;
  return bar;
}

}  // namespace frame

#include "development/Progress.h"

#include <algorithm>
#include <cstdint>

#include "city/Play.h"
#include "development/DevRules.h"
#include "engine/Class.h"
#include "engine/Frame.h"
#include "platform/Conversions.h"

TdevProgress* devProgress = nullptr;

TdevProgress::TdevProgress(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 320, 134);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Разработка игры");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  // A long name takes a second line.
  name = frame::MakeLabel(this, "name", 16, 24, "");
  name->AutoSize = false;
  name->WordWrap = true;
  name->SetBounds(16, 24, 288, 32);
  name->Alignment = ui::Alignment::Center;
  name->Layout = ui::TextLayout::Center;
  frame::BindDrag(name);
  bar = new ui::ProgressBar(this);
  bar->Name = "bar";
  bar->SetBounds(16, 60, 288, 20);
  bar->Min = 0;
  bar->Max = 100;
  percent = frame::MakeLabel(this, "percent", 16, 86, "0%");
  percent->AutoSize = false;
  percent->SetBounds(16, 86, 288, 16);
  percent->Alignment = ui::Alignment::Center;
  frame::BindDrag(percent);
  left = frame::MakeLabel(this, "left", 16, 108, "");
  left->AutoSize = false;
  left->SetBounds(16, 108, 288, 16);
  left->Alignment = ui::Alignment::Center;
  frame::BindDrag(left);
  frame::BindDrag(this);
  OnShow = [this](ui::Control&) { Draw(); };
}

void TdevProgress::Draw() {
  const int steps = menu->DevSteps > 0 ? menu->DevSteps : 1;
  const int done = std::clamp(menu->DevStep * 100 / steps, 0, 100);
  name->Caption = "\"" + menu->DevName + "\"";
  bar->Position = done;
  percent->Caption = platform::IntToStr(done) + "%";
  // The run goes on with the game's days, on the game screen: this window
  // only shows how far it has come and how many of those days are left.
  const int64_t leftMs =
      static_cast<int64_t>(std::max(0, menu->DevSteps - menu->DevStep)) * std::max(0, menu->sgDevTimer->Interval());
  const int64_t leftDays = (leftMs + devrules::kDayMs - 1) / devrules::kDayMs;
  left->Caption = "Осталось " + platform::IntToStr(static_cast<int>(leftDays)) + " дн. игрового времени";
}

void TdevProgress::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}

#include "development/Progress.h"

#include <algorithm>

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"
#include "platform/Conversions.h"

TdevProgress* devProgress = nullptr;

TdevProgress::TdevProgress(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 320, 110);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Разработка игры");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  name = frame::MakeLabel(this, "name", 16, 28, "");
  name->AutoSize = false;
  name->SetBounds(16, 28, 288, 16);
  name->Alignment = ui::Alignment::Center;
  frame::BindDrag(name);
  bar = new ui::ProgressBar(this);
  bar->Name = "bar";
  bar->SetBounds(16, 52, 288, 20);
  bar->Min = 0;
  bar->Max = 100;
  percent = frame::MakeLabel(this, "percent", 16, 80, "0%");
  percent->AutoSize = false;
  percent->SetBounds(16, 80, 288, 16);
  percent->Alignment = ui::Alignment::Center;
  frame::BindDrag(percent);
  frame::BindDrag(this);
  OnShow = [this](ui::Control&) { Draw(); };
}

void TdevProgress::Draw() {
  const int steps = menu->DevSteps > 0 ? menu->DevSteps : 1;
  const int done = std::clamp(menu->DevStep * 100 / steps, 0, 100);
  name->Caption = "\"" + menu->DevName + "\"";
  bar->Position = done;
  percent->Caption = platform::IntToStr(done) + "%";
}

void TdevProgress::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}

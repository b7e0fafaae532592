#include "development/Choice.h"

#include "development/Devm.h"
#include "engine/Class.h"

namespace {
constexpr int kFirstTop = 30;
constexpr int kStep = 45;
}  // namespace

ChoiceScreen::ChoiceScreen(ui::Application& app, const std::string& title, int choices) : ui::Form(app) {
  frame::UseScreenLook(this, 252, kFirstTop + choices * kStep + 4);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, title);
  close = frame::MakeCloseLabel(this, "X", 237);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnCreate = [this](ui::Control&) {
    DoubleBuffered = true;
    skins_.Reset();
  };
}

frame::Button ChoiceScreen::AddChoice(const char* name, const char* caption, std::function<void()> click) {
  const int buttonTop = kFirstTop + next_++ * kStep;
  return frame::MakeButton(this, &skins_, {name, 16, buttonTop, 220, 37, caption}, std::move(click));
}

void ChoiceScreen::closeClick() {
  engine->PlayCloseSound();
  Hide();
  devmenu->Show();
}

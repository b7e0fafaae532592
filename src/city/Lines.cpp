#include "city/Lines.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tlines* lines = nullptr;

Tlines::Tlines(ui::Application& app) : ui::Form(app) {
  SetClientSize(482, 169);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Мини-игра \"Удержание полосы\"");
  close = frame::MakeCloseLabel(this, "X", 467);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  // Right of the place where the player clicks.
  line = new ui::ProgressBar(this);
  line->Name = "line";
  line->SetBounds(160, 48, 314, 17);
  line->Position = 100;
  t = frame::MakeLabel(this, "t", 160, 76, "30");
  time = new ui::Timer(this);
  time->Name = "time";
  time->Enabled = false;
  time->Interval = 65;
  ttime = new ui::Timer(this);
  ttime->Name = "ttime";
  ttime->Enabled = false;
  ttime->Interval = 1000;

  frame::BindDrag(this);
  frame::BindDrag(line);
  frame::BindDrag(t);
}

void Tlines::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
  engine->ResumeGame();
}

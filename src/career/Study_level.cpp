#include "career/Study_level.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tteach_lev* teach_lev = nullptr;

Tteach_lev::Tteach_lev(ui::Application& app) : ui::Form(app) {
  SetClientSize(320, 240);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Обучение - выбор уровня");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  frame::BindDrag(this);
}

void Tteach_lev::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}

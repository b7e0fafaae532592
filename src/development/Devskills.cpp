#include "development/Devskills.h"

#include "city/Person.h"
#include "engine/Class.h"
#include "engine/Frame.h"

TdevSkill* devSkill = nullptr;

TdevSkill::TdevSkill(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 320, 240);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Продвинутые навыки");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  frame::BindDrag(this);
}

void TdevSkill::closeClick() {
  engine->PlayCloseSound();
  Hide();
  person->Show();
}

#include "development/Devm.h"

#include "city/Play.h"
#include "development/Lang.h"
#include "engine/Class.h"

Tdevmenu* devmenu = nullptr;

Tdevmenu::Tdevmenu(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 320, 240);
  Position = ui::FormPosition::ScreenCenter;

  top = frame::MakeTitle(this, "Разработка");
  close = frame::MakeCloseLabel(this, "X", 305);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  const frame::Button b =
      frame::MakeButton(this, &skins_, {"newp", 22, 32, 275, 37, "Новый проект"}, [this] { newpClick(); });
  newp = b.picture;
  newpl = b.label;
  Label1 = frame::MakeLabel(this, "Label1", 16, 82, "Готовые игры:");
  frame::BindDrag(Label1);
  made = new ui::ListBox(this);
  made->Name = "made";
  made->SetBounds(16, 102, 288, 124);
  made->Color = ui::clBlack;
  made->Font.Color = ui::clWhite;

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnCreate = [this](ui::Control&) {
    DoubleBuffered = true;
    skins_.Reset();
  };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void Tdevmenu::FormShow() {
  made->Items.Clear();
  for (const std::string& game : engine->GamesMade->Items.Items()) made->Items.Add(game);
}

void Tdevmenu::newpClick() {
  engine->PlayClickSound();
  Hide();
  langset->Show();
}

void Tdevmenu::closeClick() {
  engine->PlayCloseSound();
  Hide();
  menu->Show();
}

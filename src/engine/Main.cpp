#include "engine/Main.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Inf.h"
#include "engine/Player.h"

TForm1* Form1 = nullptr;

ui::Image* TForm1::MakeButton(const char* name, int buttonTop, ui::Label*& label, const char* labelName, int labelLeft,
                              const char* caption) {
  auto* picture = new ui::Image(this);
  picture->Name = name;
  picture->SetBounds(16, buttonTop, 220, 37);
  label = frame::MakeLabel(this, labelName, labelLeft, buttonTop + 8, caption);
  SkinSet::Style(picture, label);
  skins_.Bind(picture, label);
  return picture;
}

TForm1::TForm1(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 253, 411);

  top = frame::MakeTitle(this, "Главное меню");
  exit = frame::MakeCloseLabel(this, "Х", 238);
  logo = new ui::Image(this);
  logo->Name = "logo";
  logo->SetBounds(0, 40, 260, 49);
  frame::BindDrag(logo);

  game = MakeButton("game", 120, gamel, "gamel", 50, "Начать новую игру");
  load = MakeButton("load", 168, loadl, "loadl", 64, "Загрузить игру");
  save = MakeButton("save", 216, savel, "savel", 64, "Сохранить игру");
  save->Enabled = false;
  savel->Enabled = false;
  help = MakeButton("help", 264, helpl, "helpl", 74, "Информация");
  set = MakeButton("set", 312, setl, "setl", 80, "Настройки");
  close = MakeButton("close", 360, closel, "closel", 72, "Выйти из игры");
  closel->Hint = "Выход из игры";

  game->OnClick = [this](ui::Control&) { gameClick(); };
  load->OnClick = [this](ui::Control&) { loadClick(); };
  save->OnClick = [this](ui::Control&) { saveClick(); };
  help->OnClick = [this](ui::Control&) { helpClick(); };
  set->OnClick = [this](ui::Control&) { setClick(); };
  close->OnClick = [this](ui::Control&) { closeClick(); };
  exit->OnClick = [this](ui::Control&) { exitClick(); };

  OnMouseDown = [](ui::Control& c, ui::MouseButton b, ui::ShiftState, int x, int y) { frame::Drag(c, b, x, y); };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
  OnShow = [this](ui::Control&) { FormShow(); };
}

void TForm1::FormCreate() {
  DoubleBuffered = true;
  gamel->Left = 50;
  gamel->Caption = "Начать новую игру";
}

void TForm1::FormShow() {
  ResetSkins();
  save->Enabled = engine->OnGame;
  savel->Enabled = engine->OnGame;
  // The logo is part of the window; without its file the window shows black there.
  if (logo->Picture.Empty()) {
    try {
      logo->Picture.LoadFromFile(engine->ImagesPath + "form1_logo.jpg");
    } catch (const ui::EInvalidGraphic&) {
    }
  }
}

void TForm1::gameClick() {
  engine->PlayClickSound();
  if (gamel->Caption == "Начать новую игру") {
    init->Show();
    Hide();
  } else if (gamel->Caption == "Продолжить игру") {
    menu->Show();
    Hide();
  }
}

void TForm1::loadClick() { engine->PlayClickSound(); }
void TForm1::saveClick() { engine->PlayClickSound(); }
void TForm1::setClick() { engine->PlayClickSound(); }

void TForm1::helpClick() {
  engine->PlayClickSound();
  Hide();
  infor->Show();
}

void TForm1::closeClick() {
  engine->PlayClickSound();
  engine->ConfirmExit();
}

void TForm1::exitClick() {
  engine->PlayCloseSound();
  engine->ConfirmExit();
}

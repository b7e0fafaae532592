#include "engine/Main.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Inf.h"
#include "engine/Player.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 253, 411);

  top = frame::MakeTitle(this, "Главное меню");
  exit = frame::MakeCloseLabel(this, "Х", 238);
  logo = new ui::Image(this);
  logo->Name = "logo";
  logo->SetBounds(0, 40, 260, 49);
  frame::BindDrag(logo);

  // The six buttons: 220 × 37 at the left 16, each caption at its own left.
  struct MenuButton {
    ui::Image** picture;
    ui::Label** label;
    const char* name;
    int top;
    int captionLeft;
    const char* caption;
    void (TForm1::*click)();
  };
  const MenuButton buttons[] = {
      {&game, &gamel, "game", 120, 50, "Начать новую игру", &TForm1::gameClick},
      {&load, &loadl, "load", 168, 64, "Загрузить игру", &TForm1::loadClick},
      {&save, &savel, "save", 216, 64, "Сохранить игру", &TForm1::saveClick},
      {&help, &helpl, "help", 264, 74, "Информация", &TForm1::helpClick},
      {&set, &setl, "set", 312, 80, "Настройки", &TForm1::setClick},
      {&close, &closel, "close", 360, 72, "Выйти из игры", &TForm1::closeClick},
  };
  for (const MenuButton& b : buttons) {
    const frame::Button made = frame::MakeButton(
        this, &skins_, {b.name, 16, b.top, 220, 37, b.caption, frame::CaptionPlace::At, 8, b.captionLeft},
        [this, click = b.click] { (this->*click)(); });
    *b.picture = made.picture;
    *b.label = made.label;
  }
  save->Enabled = false;
  savel->Enabled = false;
  closel->Hint = "Выход из игры";

  exit->OnClick = [this](ui::Control&) { exitClick(); };

  frame::BindDrag(this);
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

#include "engine/Main.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Inf.h"
#include "engine/Player.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(ui::Application& app) : Screen(app, {253, 411, "Главное меню", "menu", nullptr}) {
  // The close label asks to quit; moving over the title leaves the skins alone.
  exit = frame::MakeCloseLabel(this, "Х", 238);
  exit->OnClick = [this](ui::Control&) { exitClick(); };
  top->OnMouseMove = nullptr;
  logo = new ui::Image(this);
  logo->Name = "logo";
  logo->SetBounds(0, 40, 260, 49);
  frame::BindDrag(logo);

  // The six buttons: 220 × 37 at the left 16, each caption at its own left.
  constexpr auto At = frame::CaptionPlace::At;
  AddButtons<TForm1>({
      {&TForm1::game, &TForm1::gamel, {"game", 16, 120, 220, 37, "Начать новую игру", At, 8, 50}, &TForm1::gameClick},
      {&TForm1::load, &TForm1::loadl, {"load", 16, 168, 220, 37, "Загрузить игру", At, 8, 64}, &TForm1::loadClick},
      {&TForm1::save, &TForm1::savel, {"save", 16, 216, 220, 37, "Сохранить игру", At, 8, 64}, &TForm1::saveClick},
      {&TForm1::help, &TForm1::helpl, {"help", 16, 264, 220, 37, "Информация", At, 8, 74}, &TForm1::helpClick},
      {&TForm1::set, &TForm1::setl, {"set", 16, 312, 220, 37, "Настройки", At, 8, 80}, &TForm1::setClick},
      {&TForm1::close, &TForm1::closel, {"close", 16, 360, 220, 37, "Выйти из игры", At, 8, 72}, &TForm1::closeClick},
  });
  save->Enabled = false;
  savel->Enabled = false;
  closel->Hint = "Выход из игры";
}

// The skins are loaded only when the menu shows.
void TForm1::FormCreate() {
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

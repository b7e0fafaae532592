#include "engine/Qmes.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "platform/Launcher.h"
#include "ui/Application.h"

Tques* ques = nullptr;

namespace {

ui::Label* CentredLabel(ui::Form* form, const char* labelName, int left, int top, int width, const char* caption) {
  ui::Label* label = frame::MakeLabel(form, labelName, left, top, caption);
  label->AutoSize = false;
  label->Alignment = ui::Alignment::Center;
  label->SetBounds(left, top, width, 16);
  return label;
}

}  // namespace

Tques::Tques(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 430, 160);

  fon = new ui::Image(this);
  fon->Name = "fon";
  fon->SetBounds(0, 0, 430, 160);
  Label1 = CentredLabel(this, "Label1", 0, 8, 430, "Зендрикс 2 - выход из игры");
  Label2 = CentredLabel(this, "Label2", 16, 56, 398, "Вы действительно хотите выйти из игры?");
  Label2->WordWrap = true;
  Label3 = CentredLabel(this, "Label3", 0, 88, 430, "Все несохраненные данные будут потеряны!");

  const frame::Button yesButton = frame::MakeButton(
      this, &skins_, {"yes", 112, 120, 70, 30, "ДА", frame::CaptionPlace::At, 6, 136}, [this] { yesClick(); });
  yes = yesButton.picture;
  yesl = yesButton.label;
  const frame::Button noButton = frame::MakeButton(
      this, &skins_, {"no", 240, 120, 70, 30, "НЕТ", frame::CaptionPlace::At, 6, 262}, [this] { noClick(); });
  no = noButton.picture;
  nol = noButton.label;

  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  for (ui::Control* c : {static_cast<ui::Control*>(fon), static_cast<ui::Control*>(Label1),
                         static_cast<ui::Control*>(Label2), static_cast<ui::Control*>(Label3)}) {
    frame::BindDrag(c);
    c->OnMouseMove = reset;
  }
  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tques::FormCreate() {
  TransparentColorValue = ui::Color::FromValue(255);
  TransparentColor = true;
  ResetSkins();
  DoubleBuffered = true;
  // The background is part of the window: without its file the window keeps
  // its plain colour and still works.
  try {
    fon->Picture.LoadFromFile(engine->ImagesPath + "ques_fon.bmp");
  } catch (const ui::EInvalidGraphic& e) {
    App().ShowException(e);
  }
}

void Tques::yesClick() {
  engine->PlayClickSound();
  Close();
  App().MessageBox("Если Вы нашли ошибку или недочет - сообщите разработчику!", "Информация",
                   ui::MB_OK | ui::MB_ICONINFORMATION);
  engine->EndGame();
  platform::WinExec(engine->GamePath + "bin\\ZenxBugInformer.exe", platform::SW_SHOW);
}

void Tques::noClick() {
  engine->PlayClickSound();
  Close();
  if (engine->OnGame) {
    menu->StartGameTimers();
  } else if (engine->OnPlay) {
    menu->StopGameTimers();
  }
}

void Tques::FormKeyDown(int& key, ui::ShiftState) {
  if (key == ui::VK_RETURN || key == ui::VK_SPACE) yesClick();
}

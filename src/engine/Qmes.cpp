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

Tques::Tques(ui::Application& app) : Screen(app, {430, 160, nullptr, "mes", nullptr}) {
  fon = new ui::Image(this);
  fon->Name = "fon";
  fon->SetBounds(0, 0, 430, 160);
  Label1 = CentredLabel(this, "Label1", 0, 8, 430, "Зендрикс 2 - выход из игры");
  Label2 = CentredLabel(this, "Label2", 16, 56, 398, "Вы действительно хотите выйти из игры?");
  Label2->WordWrap = true;
  Label3 = CentredLabel(this, "Label3", 0, 88, 430, "Все несохраненные данные будут потеряны!");

  AddButtons<Tques>({
      {&Tques::yes, &Tques::yesl, {"yes", 112, 120, 70, 30, "ДА", frame::CaptionPlace::At, 6, 136}, &Tques::yesClick},
      {&Tques::no, &Tques::nol, {"no", 240, 120, 70, 30, "НЕТ", frame::CaptionPlace::At, 6, 262}, &Tques::noClick},
  });
  DragBy({fon, Label1, Label2, Label3});
  ResetSkinsOver({fon, Label1, Label2, Label3});
  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
}

void Tques::FormCreate() {
  TransparentColorValue = ui::Color::FromValue(255);
  TransparentColor = true;
  ResetSkins();
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

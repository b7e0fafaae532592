#include "city/Devkomp.h"

#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"

Tdevkomp* devkomp = nullptr;

Tdevkomp::Tdevkomp(ui::Application& app) : ui::Form(app) {
  SetClientSize(389, 225);
  Color = ui::clBlack;
  Font.Name = "Verdana";
  Font.Size = 11;
  Font.Color = ui::clWhite;

  top = frame::MakeTitle(this, "Конфигурация компьютера разработчика этой игры");
  close = frame::MakeCloseLabel(this, "X", 374);
  close->OnClick = [this](ui::Control&) { closeClick(); };

  Label1 = frame::MakeLabel(this, "Label1", 8, 26, "Привет, игрок! Ты открыл скрытое окно с информацией о");
  Label2 = frame::MakeLabel(this, "Label2", 8, 42, "моем компьютере, т.е. о компьютере разработчика этой");
  Label3 = frame::MakeLabel(this, "Label3", 8, 58, "игры. Думаю, тебе будет интересно узнать ее...");
  constexpr int kCaptionLeft = 8, kValueLeft = 140, kFirstRow = 92, kRowStep = 24;
  Label4 = frame::MakeLabel(this, "Label4", kCaptionLeft, kFirstRow, "Процессор:");
  Label5 = frame::MakeLabel(this, "Label5", kCaptionLeft, kFirstRow + kRowStep, "Оперативная память:");
  Label6 = frame::MakeLabel(this, "Label6", kCaptionLeft, kFirstRow + 2 * kRowStep, "Видео карта:");
  Label7 = frame::MakeLabel(this, "Label7", kCaptionLeft, kFirstRow + 3 * kRowStep, "Жесткий диск:");
  Label8 = frame::MakeLabel(this, "Label8", kCaptionLeft, kFirstRow + 4 * kRowStep, "Монитор:");
  Label9 = frame::MakeLabel(this, "Label9", kValueLeft, kFirstRow, "AMD Athlon64 X2 3800+ (2 CPU's)");
  Label10 = frame::MakeLabel(this, "Label10", kValueLeft, kFirstRow + kRowStep, "2Gb DDR-II");
  Label11 = frame::MakeLabel(this, "Label11", kValueLeft, kFirstRow + 2 * kRowStep, "ATI Radeon X1800 GTO2 512mb");
  Label12 = frame::MakeLabel(this, "Label12", kValueLeft, kFirstRow + 3 * kRowStep, "200 Gb");
  Label13 = frame::MakeLabel(this, "Label13", kValueLeft, kFirstRow + 4 * kRowStep,
                             "старый телевизор \"Горизонт\"... :) шутка :)");

  frame::BindDrag(this);
  for (ui::Label* l :
       {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label13}) {
    frame::BindDrag(l);
  }
}

void Tdevkomp::closeClick() {
  engine->PlayCloseSound();
  Close();
  menu->StartGameTimers();
}

#include "engine/Message.h"

#include "engine/Class.h"

Tmes* mes = nullptr;

Tmes::Tmes(ui::Application& app) : ui::Form(app) {
  SetClientSize(429, 159);
  Color = ui::clRed;
  Font.Name = "Verdana";
  Font.Size = 13;
  Font.Color = ui::clWhite;

  Image1 = new ui::Image(this);
  Image1->Name = "Image1";
  Image1->Align = ui::Align::Client;
  Image2 = new ui::Image(this);
  Image2->Name = "Image2";
  Image2->SetBounds(8, 48, 32, 32);
  Label1 = frame::MakeLabel(this, "Label1", 112, 8, "Зендрикс 2 - сообщение");
  ok = new ui::Image(this);
  ok->Name = "ok";
  ok->SetBounds(184, 120, 70, 30);
  okl = frame::MakeLabel(this, "okl", 208, 128, "OK");
  SkinSet::Style(ok, okl);
  okl->Font.Name = "Verdana";
  okl->Font.Size = 13;
  text = frame::MakeLabel(this, "text", 48, 56, "Cообщение!");
  text->AutoSize = false;
  text->WordWrap = true;
  text->Alignment = ui::Alignment::Center;
  text->SetBounds(48, 56, 369, 57);

  skins_.Bind(ok, okl);
  ok->OnClick = [this](ui::Control&) { okClick(); };
  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  Image1->OnMouseMove = reset;
  text->OnMouseMove = reset;
  for (ui::Control* c : {static_cast<ui::Control*>(Image1), static_cast<ui::Control*>(Image2),
                         static_cast<ui::Control*>(Label1), static_cast<ui::Control*>(text)}) {
    frame::BindDrag(c);
  }
  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tmes::FormCreate() {
  DoubleBuffered = true;
  TransparentColorValue = ui::clRed;
  TransparentColor = true;
  Image1->Picture.LoadFromFile(engine->ImagesPath + "mes_image1.bmp");
  Image2->Picture.LoadFromFile(engine->ImagesPath + "mes_image2.bmp");
  ok->Picture.LoadFromFile(skins_.SkinPath(1));
}

void Tmes::okClick() {
  engine->PlayClickSound();
  text->Caption = "";
  if (!GameOver) {
    ModalResult = ui::mrOk;
    engine->AfterMessage();
    return;
  }
  engine->EndGame();
}

void Tmes::FormKeyDown(int& key, ui::ShiftState) {
  if (key == ui::VK_RETURN || key == ui::VK_SPACE) okClick();
}

#include "engine/Imes.h"

#include "engine/Class.h"

Tmess* mess = nullptr;

Tmess::Tmess(ui::Application& app) : ui::Form(app) {
  SetClientSize(430, 159);
  Color = ui::clRed;
  Font.Name = "Verdana";
  Font.Size = 13;
  Font.Color = ui::clWhite;

  Image1 = new ui::Image(this);
  Image1->Name = "Image1";
  Image1->Align = ui::Align::Client;
  Label1 = frame::MakeLabel(this, "Label1", 112, 8, "Зендрикс 2 - сообщение");
  text = frame::MakeLabel(this, "text", 48, 48, "Cообщение!");
  text->AutoSize = false;
  text->WordWrap = true;
  text->Alignment = ui::Alignment::Center;
  text->SetBounds(48, 48, 369, 73);
  Image2 = new ui::Image(this);
  Image2->Name = "Image2";
  Image2->SetBounds(8, 48, 32, 32);
  ok = new ui::Image(this);
  ok->Name = "ok";
  ok->SetBounds(184, 122, 70, 30);
  okl = frame::MakeLabel(this, "okl", 208, 130, "OK");
  SkinSet::Style(ok, okl);
  okl->Font.Name = "Verdana";
  okl->Font.Size = 13;

  skins_.Bind(ok, okl);
  ok->OnClick = [this](ui::Control&) { okClick(); };
  auto reset = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  for (ui::Control* c : {static_cast<ui::Control*>(Image1), static_cast<ui::Control*>(Image2),
                         static_cast<ui::Control*>(Label1), static_cast<ui::Control*>(text)}) {
    c->OnMouseMove = reset;
    frame::BindDrag(c);
  }
  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  OnHide = [this](ui::Control&) { text->Caption = ""; };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tmess::FormCreate() {
  DoubleBuffered = true;
  TransparentColorValue = ui::clRed;
  TransparentColor = true;
  Image1->Picture.LoadFromFile(engine->ImagesPath + "mess_image1.bmp");
  Image2->Picture.LoadFromFile(engine->ImagesPath + "mess_image2.bmp");
  ok->Picture.LoadFromFile(skins_.SkinPath(1));
}

void Tmess::okClick() {
  engine->PlayClickSound();
  ModalResult = ui::mrOk;
  text->Caption = "";
}

void Tmess::FormKeyDown(int& key, ui::ShiftState) {
  if (key == ui::VK_RETURN || key == ui::VK_SPACE) okClick();
}

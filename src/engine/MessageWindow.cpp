#include "engine/MessageWindow.h"

#include "engine/Class.h"

MessageWindow::MessageWindow(ui::Application& app, const Layout& layout)
    : Screen(app, {layout.width, layout.height, nullptr, "mes", nullptr}), prefix_(layout.picturePrefix) {
  Color = ui::clRed;

  Image1 = new ui::Image(this);
  Image1->Name = "Image1";
  Image1->Align = ui::Align::Client;
  Image2 = new ui::Image(this);
  Image2->Name = "Image2";
  Image2->SetBounds(8, 48, 32, 32);
  Label1 = frame::MakeLabel(this, "Label1", 112, 8, "Зендрикс 2 - сообщение");
  text = frame::MakeLabel(this, "text", layout.text.left, layout.text.top, "Cообщение!");
  text->AutoSize = false;
  text->WordWrap = true;
  text->Alignment = ui::Alignment::Center;
  text->SetBounds(layout.text.left, layout.text.top, layout.text.width, layout.text.height);
  AddButtons<MessageWindow>({{&MessageWindow::ok,
                              &MessageWindow::okl,
                              {"ok", layout.ok.x, layout.ok.y, 70, 30, "OK", frame::CaptionPlace::At,
                               layout.okl.y - layout.ok.y, layout.okl.x},
                              &MessageWindow::okClick}});
  OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
}

void MessageWindow::FormCreate() {
  TransparentColorValue = ui::clRed;
  TransparentColor = true;
  Image1->Picture.LoadFromFile(engine->ImagesPath + prefix_ + "_image1.bmp");
  Image2->Picture.LoadFromFile(engine->ImagesPath + prefix_ + "_image2.bmp");
  ok->Picture.LoadFromFile(skins_.SkinPath(1));
}

void MessageWindow::FormKeyDown(int& key, ui::ShiftState) {
  if (key == ui::VK_RETURN || key == ui::VK_SPACE) okClick();
}

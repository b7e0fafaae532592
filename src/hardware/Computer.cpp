#include "hardware/Computer.h"

#include "city/Play.h"
#include "development/Internet.h"
#include "engine/Class.h"
#include "hardware/Device.h"
#include "platform/Launcher.h"
#include "software/Setupedsoft.h"
#include "software/Soft.h"
#include "ui/Canvas.h"

Tcomp* comp = nullptr;

namespace {

// A heading in a sunken frame over its group, as a static text draws it.
class SunkenText : public ui::Label {
 public:
  using ui::Label::Label;

 protected:
  void Paint(ui::Canvas& canvas) override {
    ui::Label::Paint(canvas);
    canvas.Bevel(ClientRect(), false);
  }
};

ui::Label* MakeHeading(ui::Form* form, const char* name, int headingTop, const char* caption) {
  auto* heading = new SunkenText(form);
  heading->Name = name;
  heading->AutoSize = false;
  heading->Transparent = false;
  heading->Color = ui::clNavy;
  heading->Alignment = ui::Alignment::Center;
  heading->Layout = ui::TextLayout::Center;
  heading->SetBounds(8, headingTop, 526, 20);
  heading->Caption = caption;
  frame::BindDrag(heading);
  return heading;
}

constexpr int kValueLeft = 200;

const ui::Color kAqua = ui::Color::FromValue(0xFFFF00);

}  // namespace

ui::Image* Tcomp::MakePictureButton(const char* name, int left, int buttonTop, const char* hint) {
  auto* picture = new ui::Image(this);
  picture->Name = name;
  picture->SetBounds(left, buttonTop, 32, 32);
  picture->Hint = hint;
  picture->Cursor = ui::Cursor::HandPoint;
  // The pressed look: the picture moves down and right while the button is down.
  picture->OnMouseDown = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int, int) {
    c.Left = c.Left + 2;
    c.Top = c.Top + 2;
  };
  picture->OnMouseUp = [](ui::Control& c, ui::MouseButton, ui::ShiftState, int, int) {
    c.Left = c.Left - 2;
    c.Top = c.Top - 2;
  };
  return picture;
}

Tcomp::Tcomp(ui::Application& app) : Screen(app, {542, 381, "Мой компьютер", "ctrl", "X", frame::Back(menu)}) {
  details = MakeHeading(this, "details", 24, " Установленные устройства ");
  zag2l = MakeHeading(this, "zag2l", 252, " Управление компьютером ");

  struct Row {
    ui::Label*& caption;
    const char* captionName;
    const char* text;
    const char* hint;
    ui::Label*& value;
    const char* valueName;
  };
  const Row rows[] = {
      {mbl, "mbl", "Материнская плата:", "Показывает Вашу материнскую плату", mboard, "mboard"},
      {prl, "prl", "Процессор:", "Показывает Ваш процессор", proc, "proc"},
      {raml, "raml", "[1]Оперативная память:", "Показывает Ваше ОЗУ", ram1, "ram1"},
      {ram2l, "ram2l", "[2]Оперативная память: ", "", ram2, "ram2"},
      {ram3l, "ram3l", "[3]Оперативная память:", "", ram3, "ram3"},
      {ram4l, "ram4l", "[4]Оперативная память:", "", ram4, "ram4"},
      {vil, "vil", "Видео карта:", "Показывает Вашу видео карту", video, "video"},
      {harl, "harl", "Жесткий диск:", "Показывает Ваш винчестер", disk, "disk"},
      {modl, "modl", "Модем:", "Показывает Ваш модем", modem, "modem"},
      {monl, "monl", "Монитор:", "Показывает Ваш монитор", monitor, "monitor"},
  };
  int rowTop = 50;
  for (const Row& row : rows) {
    row.caption = frame::MakeLabel(this, row.captionName, 16, rowTop, row.text);
    row.caption->Hint = row.hint;
    row.value = frame::MakeLabel(this, row.valueName, kValueLeft, rowTop, "нет");
    row.value->Font.Color = kAqua;
    DragBy({row.caption, row.value});
    rowTop += 20;
  }

  // The program and device buttons light each other's skins down, and the
  // installed-software button's with them; that one keeps to itself.
  struct Button {
    ui::Image*& picture;
    ui::Label*& label;
    SkinSet* skins;
    const char* name;
    int left;
    int top;
    const char* caption;
    void (Tcomp::*click)();
  };
  const Button buttons[] = {
      {program, programl, &skins_, "program", 16, 280, "Установка\\Удаление софта", &Tcomp::programClick},
      {device, devicel, &skins_, "device", 296, 280, "Управление устройствами", &Tcomp::deviceClick},
      {soft, softl, &softSkins_, "soft", 16, 318, "Установленный софт", &Tcomp::softClick},
  };
  for (const Button& b : buttons) {
    const frame::Button made = frame::MakeButton(this, b.skins, {b.name, b.left, b.top, 230, 32, b.caption},
                                                 [this, click = b.click] { (this->*click)(); });
    b.picture = made.picture;
    b.label = made.label;
  }
  skins_.Add(soft);
  internet = MakePictureButton("internet", 296, 318, "Выход в Интернет");
  hard = MakePictureButton("hard", 340, 318, "Определение свободного места на диске");

  __disk = frame::MakeLabel(this, "__disk", 16, 358, "Свободного места на диске:");
  _disk = frame::MakeLabel(this, "_disk", 0, 358, "100");
  _disk->PlaceBySize([this](ui::Label& l) { l.Left = __disk->Left + __disk->Width + 6; });
  _disk->Font.Color = kAqua;
  z = frame::MakeLabel(this, "z", 0, 358, "%");
  z->PlaceBySize([this](ui::Label& l) { l.Left = _disk->Left + 32; });
  z->Font.Color = kAqua;
  for (ui::Label* label : {__disk, _disk, z}) label->Visible = false;

  link = frame::MakeLabel(this, "link", 0, 364, "http://zendrix2.example.org");
  link->Font.Size = 8;
  link->PlaceBySize([](ui::Label& l) { l.Left = 542 - l.Width - 8; });
  link->Cursor = ui::Cursor::HandPoint;
  link->Hint = "Сайт разработчика";

  // Releasing on the program picture puts all three back; on its caption or
  // on the device button only the two.
  auto upTwo = [this](ui::Control&, ui::MouseButton, ui::ShiftState, int, int) { ResetProgramAndDevice(); };
  programl->OnMouseUp = upTwo;
  device->OnMouseUp = upTwo;
  devicel->OnMouseUp = upTwo;
  auto resetTwo = [this](ui::Control&, ui::ShiftState, int, int) { ResetProgramAndDevice(); };
  for (ui::Control* c : std::initializer_list<ui::Control*>{top, details, zag2l, prl, raml, vil, harl, modl, monl}) {
    c->OnMouseMove = resetTwo;
  }
  link->OnMouseMove = [](ui::Control& c, ui::ShiftState, int, int) { c.Font.Color = ui::clRed; };

  internet->OnClick = [this](ui::Control&) { internetClick(); };
  hard->OnClick = [this](ui::Control&) { hardClick(); };
  link->OnClick = [this](ui::Control&) { linkClick(); };

  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) {
    ResetSkins();
    link->Font.Color = ui::clWhite;
  };
}

void Tcomp::FormCreate() {
  ResetSkins();
  // The two picture buttons carry their own pictures; without the files
  // they are blank but still answer.
  for (auto [picture, file] : {std::pair{internet, "comp_internet.bmp"}, std::pair{hard, "comp_hard.bmp"}}) {
    try {
      picture->Picture.LoadFromFile(engine->ImagesPath + file);
    } catch (const std::exception&) {
    }
  }
}

void Tcomp::ResetProgramAndDevice() {
  for (ui::Image* b : {program, device}) b->Picture.LoadFromFile(engine->ButtonsPath + "ctrl_1.jpg");
}

void Tcomp::FormShow() {
  // The computer works with a board, a processor, memory in the first slot,
  // a video card, a disk and a monitor; the modem is not needed.
  bool works = true;
  for (const ui::Label* label : {mboard, proc, ram1, video, disk, monitor}) {
    if (label->Caption == "нет") works = false;
  }
  engine->Computer = works;
  frame::SetEnabled({program, programl}, works);
  frame::SetEnabled({soft, softl}, softset->seted->Items.Count() > 0);
}

void Tcomp::deviceClick() { frame::HideThenShow(this, devset); }
void Tcomp::programClick() { frame::HideThenShow(this, softset); }

void Tcomp::softClick() { frame::ShowThenHide(this, ssoft); }

void Tcomp::internetClick() {
  engine->PlayClickSound();
  if (engine->Computer && engine->ModemType != 0 && ssoft->os->Caption != "нет") {
    Hide();
    inet->Show();
  } else {
    engine->ShowInfoMessage("Чтобы выйти в Интернет, необходимо иметь компьютер с модемом!");
  }
}

void Tcomp::hardClick() {
  engine->PlayClickSound();
  const bool show = !__disk->Visible;
  for (ui::Label* label : {__disk, _disk, z}) label->Visible = show;
}

void Tcomp::linkClick() { platform::ShellExecuteA(link->Caption()); }

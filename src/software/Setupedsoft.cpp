#include "software/Setupedsoft.h"

#include "engine/Class.h"
#include "hardware/Computer.h"
#include "software/Game.h"

Tssoft* ssoft = nullptr;

namespace {
const ui::Color kValueColor{255, 214, 102};
}

Tssoft::Tssoft(ui::Application& app) : ui::Form(app) {
  SetClientSize(420, 280);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Установленный софт");
  close = frame::MakeCloseLabel(this, "X", 405);

  pic = new ui::Image(this);
  pic->Name = "pic";
  pic->SetBounds(16, 32, 96, 72);
  frame::BindDrag(pic);

  struct Row {
    ui::Label** caption;
    const char* captionName;
    const char* captionText;
    ui::Label** value;
    const char* valueName;
  } const rows[] = {
      {&osc, "osc", "Операционная система:", &os, "os"}, {&officec, "officec", "Офисный пакет:", &office, "office"},
      {&cppc, "cppc", "Компилятор С++:", &cpp, "cpp"},   {&pasc, "pasc", "Компилятор Pascal:", &pas, "pas"},
      {&phpc, "phpc", "Компилятор PHP:", &php, "php"},
  };
  int rowTop = 30;
  for (const Row& row : rows) {
    *row.caption = frame::MakeLabel(this, row.captionName, 128, rowTop, row.captionText);
    *row.value = frame::MakeLabel(this, row.valueName, 144, rowTop + 17, "нет");
    (*row.value)->Font.Color = kValueColor;
    frame::BindDrag(*row.caption);
    frame::BindDrag(*row.value);
    rowTop += 40;
  }

  const frame::Button button = frame::MakeButton(
      this, &skins_, {"play", 16, 232, 150, 37, "Игры", frame::CaptionPlace::Centred}, [this] { playClick(); });
  play = button.picture;
  playl = button.label;

  close->OnClick = [this](ui::Control&) { closeClick(); };
  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { ResetSkins(); };
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tssoft::FormCreate() {
  DoubleBuffered = true;
  ShowSystemPicture(false);
  ResetSkins();
}

void Tssoft::ShowSystemPicture(bool installed) {
  try {
    pic->Picture.LoadFromFile(engine->ImagesPath + (installed ? "ssoft_os.bmp" : "ssoft_unknown.bmp"));
  } catch (const ui::EInvalidGraphic&) {
    // A missing picture leaves the previous one; the labels still tell.
  }
}

void Tssoft::playClick() {
  engine->PlayClickSound();
  Hide();
  games->Show();
}

void Tssoft::closeClick() {
  engine->PlayCloseSound();
  Hide();
  comp->Show();
}

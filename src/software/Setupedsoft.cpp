#include "software/Setupedsoft.h"

#include "engine/Class.h"
#include "hardware/Computer.h"
#include "software/Game.h"

Tssoft* ssoft = nullptr;

namespace {
const ui::Color kValueColor{255, 214, 102};
}

Tssoft::Tssoft(ui::Application& app) : Screen(app, {420, 280, "Установленный софт", "main", "X", frame::Back(comp)}) {
  top->OnMouseMove = nullptr;  // the title strip leaves the skins alone
  pic = new ui::Image(this);
  pic->Name = "pic";
  pic->SetBounds(16, 32, 96, 72);
  DragBy({pic});

  using S = Tssoft;
  // Each kind of program: its caption and, under it, what is installed.
  struct Row {
    ui::Label* S::*caption;
    const char* captionName;
    const char* captionText;
    ui::Label* S::*value;
    const char* valueName;
  } const rows[] = {
      {&S::osc, "osc", "Операционная система:", &S::os, "os"},
      {&S::officec, "officec", "Офисный пакет:", &S::office, "office"},
      {&S::cppc, "cppc", "Компилятор С++:", &S::cpp, "cpp"},
      {&S::pasc, "pasc", "Компилятор Pascal:", &S::pas, "pas"},
      {&S::phpc, "phpc", "Компилятор PHP:", &S::php, "php"},
  };
  int rowTop = 30;
  for (const Row& row : rows) {
    ui::Label* caption = this->*row.caption = frame::MakeLabel(this, row.captionName, 128, rowTop, row.captionText);
    ui::Label* value = this->*row.value = frame::MakeLabel(this, row.valueName, 144, rowTop + 17, "нет");
    value->Font.Color = kValueColor;
    DragBy({caption, value});
    rowTop += 40;
  }

  AddButtons<S>({
      {&S::play, &S::playl, {"play", 16, 232, 150, 37, "Игры", frame::CaptionPlace::Centred}, &S::playClick},
  });
}

void Tssoft::FormCreate() {
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

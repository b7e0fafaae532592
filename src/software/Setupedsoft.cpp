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
  // Each kind of program: what is installed (`os`) under its caption (`osc`).
  struct Row {
    ui::Label* S::*value;
    ui::Label* S::*caption;
    const char* name;
    const char* text;
  } const rows[] = {
      {&S::os, &S::osc, "os", "Операционная система:"}, {&S::office, &S::officec, "office", "Офисный пакет:"},
      {&S::cpp, &S::cppc, "cpp", "Компилятор С++:"},    {&S::pas, &S::pasc, "pas", "Компилятор Pascal:"},
      {&S::php, &S::phpc, "php", "Компилятор PHP:"},
  };
  int rowTop = 30;
  for (const Row& row : rows) {
    const std::string name = row.name;
    ui::Label* caption = this->*row.caption = frame::MakeLabel(this, name + "c", 128, rowTop, row.text);
    ui::Label* value = this->*row.value = frame::MakeLabel(this, row.name, 144, rowTop + 17, "нет");
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

void Tssoft::playClick() { frame::HideThenShow(this, games); }

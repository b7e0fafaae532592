#include "career/Now_work.h"

#include "city/Play.h"
#include "engine/Class.h"

Tnwork* nwork = nullptr;

namespace {
constexpr int kWidth = 360;
constexpr frame::CaptionPlace kCentred = frame::CaptionPlace::Centred;
}  // namespace

Tnwork::Tnwork(ui::Application& app) : Screen(app, {kWidth, 150, "Работа", "main", "X", frame::Back(menu)}) {
  // Its title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
  using S = Tnwork;
  // Each line: what it is, then its value in gold.
  AddLabels<S>({{&S::Label1, "Label1", 16, 32, "Род занятий:"}, {&S::mark, "mark", 136, 32, "нет"}});
  AddLabels<S>({{&S::Label2, "Label2", 16, 54, "Профессия:"}, {&S::office, "office", 136, 54, "нет"}});
  AddLabels<S>({{&S::Label3, "Label3", 16, 76, "Зар. плата:"}, {&S::zp, "zp", 136, 76, "0"}});
  for (ui::Label* value : {mark, office, zp}) value->Font.Color = ui::Color{255, 214, 102};
  AddButtons<S>({
      {&S::free, &S::freel, {"free", (kWidth - 150) / 2, 102, 150, 37, "Уволиться", kCentred}, &S::freeClick},
  });
  // The text labels reset the skin when the mouse passes and drag the window.
  DragBy({Label1, Label2, Label3, mark, office, zp});
  ResetSkinsOver({Label1, Label2, Label3, mark, office, zp});
}

void Tnwork::freeClick() {
  engine->PlayClickSound();
  engine->QuitJob();
  closeClick();
}

#include "development/Ent.h"

#include "city/Play.h"
#include "development/DevRules.h"
#include "development/Devgame.h"
#include "development/Devm.h"
#include "engine/Class.h"
#include "ui/Types.h"

Tenter* enter = nullptr;

namespace {
std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
}  // namespace

Tenter::Tenter(ui::Application& app) : Screen(app, {300, 130, "Название игры", "main", "X", frame::Back(devmenu)}) {
  // The title strip leaves the skins as they are.
  top->OnMouseMove = nullptr;
  AddLabels<Tenter>({{&Tenter::Label1, "Label1", 16, 28, "Введите название игры:"}});
  DragBy({Label1});
  name = new ui::Edit(this);
  name->Name = "name";
  name->SetBounds(16, 48, 268, 21);
  name->MaxLength = kMaxName;
  name->Color = ui::clWhite;
  name->Font.Color = ui::clBlack;
  name->OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState) {
    if (key == ui::VK_RETURN) okClick();
  };
  AddButtons<Tenter>({
      {&Tenter::ok, &Tenter::okl, {"ok", 75, 82, 150, 37, "Готово"}, &Tenter::okClick},
  });
}

void Tenter::FormShow() {
  name->Text = "";
  name->SetFocus();
}

void Tenter::okClick() {
  engine->PlayClickSound();
  const std::string title = Trimmed(name->Text());
  if (title.empty()) {
    engine->ShowInfoMessage("Введите название игры!");
    return;
  }
  menu->DevName = title;
  SetDevelopmentCaption("Разработка игры");
  Hide();
  gameDev->Show();
}

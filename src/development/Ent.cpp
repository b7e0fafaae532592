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

Tenter::Tenter(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 300, 130);
  Position = ui::FormPosition::ScreenCenter;
  top = frame::MakeTitle(this, "Название игры");
  close = frame::MakeCloseLabel(this, "X", 285);
  close->OnClick = [this](ui::Control&) { closeClick(); };
  Label1 = frame::MakeLabel(this, "Label1", 16, 28, "Введите название игры:");
  frame::BindDrag(Label1);
  name = new ui::Edit(this);
  name->Name = "name";
  name->SetBounds(16, 48, 268, 21);
  name->MaxLength = kMaxName;
  name->Color = ui::clWhite;
  name->Font.Color = ui::clBlack;
  name->OnKeyDown = [this](ui::Control&, int& key, ui::ShiftState) {
    if (key == ui::VK_RETURN) okClick();
  };
  const frame::Button b = frame::MakeButton(this, &skins_, {"ok", 75, 82, 150, 37, "Готово"}, [this] { okClick(); });
  ok = b.picture;
  okl = b.label;

  frame::BindDrag(this);
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_.Reset(); };
  OnCreate = [this](ui::Control&) {
    DoubleBuffered = true;
    skins_.Reset();
  };
  OnShow = [this](ui::Control&) { FormShow(); };
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

void Tenter::closeClick() {
  engine->PlayCloseSound();
  Hide();
  devmenu->Show();
}

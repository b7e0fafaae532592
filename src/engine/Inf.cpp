#include "engine/Inf.h"

#include "engine/Class.h"
#include "engine/Main.h"
#include "platform/Launcher.h"
#include "ui/Application.h"

Tinfor* infor = nullptr;

namespace {
const ui::Color kLinkOver = ui::Color::FromValue(0xFF0000);  // blue
const ui::Color kLinkDown = ui::Color::FromValue(0x0000FF);  // red
}  // namespace

// One row of the colour table: the links named turn blue, red or white, the
// others keep their colour.
void Tinfor::Recolour(ui::Label* blue, ui::Label* red, const std::vector<ui::Label*>& white) {
  if (blue != nullptr) blue->Font.Color = kLinkOver;
  if (red != nullptr) red->Font.Color = kLinkDown;
  for (ui::Label* l : white) l->Font.Color = ui::clWhite;
}

Tinfor::Tinfor(ui::Application& app) : Screen(app, {329, 367, "Информация", nullptr, "X", frame::Back(Form1)}) {
  close->Left = 312;
  close->Transparent = false;
  close->Color = ui::clNavy;
  logo = new ui::Image(this);
  logo->Name = "logo";
  logo->SetBounds(8, 24, 313, 105);
  AddLabels<Tinfor>({
      {&Tinfor::Label1, "Label1", 232, 104, "Версия: 2.0"},
      {&Tinfor::Label2, "Label2", 16, 152, "Разработка: команда Зендрикс 2"},
      {&Tinfor::Label3, "Label3", 16, 184, "Тестирование: команда Зендрикс 2"},
      {&Tinfor::Label5, "Label5", 16, 240, "Игровые утилиты:"},
      {&Tinfor::bug, "bug", 32, 264, "Zendrix Bug Informer"},
      {&Tinfor::info, "info", 32, 288, "Zendrix Informator"},
      {&Tinfor::edit, "edit", 32, 312, "Zendrix Builder"},
      {&Tinfor::up, "up", 32, 336, "Zendrix Updater"},
  });
  // The links to the utilities.
  for (ui::Label* link : {bug, info, edit, up}) {
    link->Font.Style = ui::fsBold | ui::fsUnderline;
    link->Font.Color = ui::clWhite;
    link->Cursor = ui::Cursor::HandPoint;
  }
  bug->OnClick = [this](ui::Control&) { bugClick(); };
  info->OnClick = [this](ui::Control&) { infoClick(); };
  edit->OnClick = [this](ui::Control&) { editClick(); };
  up->OnClick = [this](ui::Control&) { upClick(); };

  // The colour table of the links.
  auto recolour = [this](ui::Label* blue, ui::Label* red, std::initializer_list<ui::Label*> white) {
    std::vector<ui::Label*> whites(white);
    return [this, blue, red, whites](auto&&...) { Recolour(blue, red, whites); };
  };
  bug->OnMouseMove = recolour(bug, nullptr, {info, edit});
  info->OnMouseMove = recolour(info, nullptr, {bug, edit});
  edit->OnMouseMove = recolour(edit, nullptr, {bug, info, up});
  up->OnMouseMove = recolour(up, nullptr, {edit});
  bug->OnMouseDown = recolour(nullptr, bug, {info, edit});
  info->OnMouseDown = recolour(nullptr, info, {bug, edit});
  edit->OnMouseDown = recolour(nullptr, edit, {bug, info});
  for (ui::Label* link : {bug, info, edit}) link->OnMouseUp = recolour(nullptr, nullptr, {bug, info, edit});
  up->OnMouseDown = recolour(nullptr, up, {});
  up->OnMouseUp = recolour(nullptr, nullptr, {up});
  OnMouseMove = recolour(nullptr, nullptr, {bug, info, edit, up});
  logo->OnMouseMove = recolour(nullptr, nullptr, {bug, info, edit, up});

  DragBy({logo, Label1, Label2, Label3, Label5});
}

void Tinfor::FormCreate() {
  try {
    logo->Picture.LoadFromFile(engine->ImagesPath + "infor_logo.jpg");
  } catch (const ui::EInvalidGraphic& e) {
    App().ShowException(e);
  }
  // The version stands on the logo's dark corner, in front of it.
  Label1->BringToFront();
}

void Tinfor::Launch(const std::string& program) {
  engine->PlayClickSound();
  platform::WinExec(program, platform::SW_SHOW);
}

void Tinfor::bugClick() { Launch(engine->BinPath + "ZenxBugInformer.exe"); }
void Tinfor::infoClick() { Launch(engine->GamePath + "ZenxInfo.exe"); }
void Tinfor::editClick() { Launch(engine->BinPath + "ZenxBuilder.exe"); }
void Tinfor::upClick() { Launch(engine->BinPath + "ZenxUpdater.exe"); }

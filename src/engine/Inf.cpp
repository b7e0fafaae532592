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

ui::Label* Tinfor::MakeLink(const char* linkName, int linkTop, const char* caption) {
  ui::Label* link = frame::MakeLabel(this, linkName, 32, linkTop, caption);
  link->Font.Style = ui::fsBold | ui::fsUnderline;
  link->Font.Color = ui::clWhite;
  link->Cursor = ui::Cursor::HandPoint;
  return link;
}

// One row of the colour table: the links named turn blue, red or white, the
// others keep their colour.
void Tinfor::Recolour(ui::Label* blue, ui::Label* red, const std::vector<ui::Label*>& white) {
  if (blue != nullptr) blue->Font.Color = kLinkOver;
  if (red != nullptr) red->Font.Color = kLinkDown;
  for (ui::Label* l : white) l->Font.Color = ui::clWhite;
}

Tinfor::Tinfor(ui::Application& app) : ui::Form(app) {
  frame::UseScreenLook(this, 329, 367);

  top = frame::MakeTitle(this, "Информация");
  close = frame::MakeCloseLabel(this, "X", 312);
  close->Transparent = false;
  close->Color = ui::clNavy;
  logo = new ui::Image(this);
  logo->Name = "logo";
  logo->SetBounds(8, 24, 313, 105);
  Label1 = frame::MakeLabel(this, "Label1", 232, 104, "Версия: 2.0");
  Label2 = frame::MakeLabel(this, "Label2", 16, 152, "Разработка: команда Зендрикс 2");
  Label3 = frame::MakeLabel(this, "Label3", 16, 184, "Тестирование: команда Зендрикс 2");
  Label5 = frame::MakeLabel(this, "Label5", 16, 240, "Игровые утилиты:");
  bug = MakeLink("bug", 264, "Zendrix Bug Informer");
  info = MakeLink("info", 288, "Zendrix Informator");
  edit = MakeLink("edit", 312, "Zendrix Builder");
  up = MakeLink("up", 336, "Zendrix Updater");

  close->OnClick = [this](ui::Control&) { closeClick(); };
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

  frame::BindDrag(this);
  for (ui::Control* c :
       {static_cast<ui::Control*>(logo), static_cast<ui::Control*>(Label1), static_cast<ui::Control*>(Label2),
        static_cast<ui::Control*>(Label3), static_cast<ui::Control*>(Label5)}) {
    frame::BindDrag(c);
  }
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tinfor::FormCreate() {
  DoubleBuffered = true;
  try {
    logo->Picture.LoadFromFile(engine->ImagesPath + "infor_logo.jpg");
  } catch (const ui::EInvalidGraphic& e) {
    App().ShowException(e);
  }
  // The version stands on the logo's dark corner, in front of it.
  Label1->BringToFront();
}

void Tinfor::closeClick() {
  engine->PlayCloseSound();
  Hide();
  Form1->Show();
}

void Tinfor::bugClick() {
  engine->PlayClickSound();
  platform::WinExec(engine->BinPath + "ZenxBugInformer.exe", platform::SW_SHOW);
}

void Tinfor::infoClick() {
  engine->PlayClickSound();
  platform::WinExec(engine->GamePath + "ZenxInfo.exe", platform::SW_SHOW);
}

void Tinfor::editClick() {
  engine->PlayClickSound();
  platform::WinExec(engine->BinPath + "ZenxBuilder.exe", platform::SW_SHOW);
}

void Tinfor::upClick() {
  engine->PlayClickSound();
  platform::WinExec(engine->BinPath + "ZenxUpdater.exe", platform::SW_SHOW);
}

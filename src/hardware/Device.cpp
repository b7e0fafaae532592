#include "hardware/Device.h"

#include "engine/Class.h"
#include "hardware/Computer.h"

Tdevset* devset = nullptr;

namespace {
constexpr int kListWidth = 320;
constexpr int kRight = 344;             // where the installed labels and the buttons start on a tab
constexpr int kValueColour = 0xFFFF00;  // aqua, as a classic colour value
}  // namespace

ui::TabSheet* Tdevset::MakeTab(const char* name, const char* caption) {
  auto* tab = new ui::TabSheet(lists);
  tab->Name = name;
  tab->Caption = caption;
  frame::BindDrag(tab);
  return tab;
}

ui::ListBox* Tdevset::MakeList(ui::TabSheet* tab, const char* name) {
  auto* list = new ui::ListBox(tab);
  list->Name = name;
  list->SetBounds(8, 8, kListWidth, tab->Height - 16);
  list->Color = ui::clBlack;
  return list;
}

ui::Label* Tdevset::MakeCaption(ui::TabSheet* tab, const char* name, int captionTop, const char* caption) {
  ui::Label* label = frame::MakeLabel(tab, name, kRight, captionTop, caption);
  frame::BindDrag(label);
  return label;
}

ui::Label* Tdevset::MakeNow(ui::TabSheet* tab, const char* name, int left, int nowTop) {
  ui::Label* label = frame::MakeLabel(tab, name, left, nowTop, "нет");
  label->Font.Color = ui::Color::FromValue(kValueColour);
  frame::BindDrag(label);
  return label;
}

Tdevset::Tdevset(ui::Application& app) : ui::Form(app) {
  SetClientSize(715, 313);
  Position = ui::FormPosition::ScreenCenter;
  frame::UseScreenLook(this);

  top = frame::MakeTitle(this, "Управление устройствами");
  close = frame::MakeCloseLabel(this, "X", 700);

  lists = new ui::PageControl(this);
  lists->Name = "lists";
  lists->Style = ui::TabStyle::FlatButtons;
  lists->SetBounds(8, 24, 699, 281);

  // Processors.
  pr = MakeTab("pr", "Процессоры");
  plist = MakeList(pr, "plist");
  pnow1 = MakeCaption(pr, "pnow1", 12, "Установлено: ");
  pnow = MakeNow(pr, "pnow", kRight, 34);
  // Memory: four slots, each caption with its label on one row.
  rm = MakeTab("rm", "ОЗУ");
  rlist = MakeList(rm, "rlist");
  rnow1 = MakeCaption(rm, "rnow1", 12, "[1]Установлено:");
  r1now = MakeNow(rm, "r1now", kRight + 124, 12);
  Label4 = MakeCaption(rm, "Label4", 36, "[2]Установлено:");
  r2now = MakeNow(rm, "r2now", kRight + 124, 36);
  Label5 = MakeCaption(rm, "Label5", 60, "[3]Установлено:");
  r3now = MakeNow(rm, "r3now", kRight + 124, 60);
  Label6 = MakeCaption(rm, "Label6", 84, "[4]Установлено:");
  r4now = MakeNow(rm, "r4now", kRight + 124, 84);
  // Motherboards, with the platform of the installed one.
  mb = MakeTab("mb", "Материнские платы");
  mblist = MakeList(mb, "mblist");
  mbnow1 = MakeCaption(mb, "mbnow1", 12, "Установлено:");
  mbnow = MakeNow(mb, "mbnow", kRight, 34);
  ia = frame::MakeLabel(mb, "ia", kRight, 58, "-");
  ia->Font.Size = 9;
  // Video cards.
  vc = MakeTab("vc", "Видео карты");
  vlist = MakeList(vc, "vlist");
  vnow1 = MakeCaption(vc, "vnow1", 12, "Установлено:");
  vnow = MakeNow(vc, "vnow", kRight, 34);
  // Hard disks.
  h = MakeTab("h", "Винчестеры");
  hlist = MakeList(h, "hlist");
  Label1 = MakeCaption(h, "Label1", 12, "Установлено:");
  hnow = MakeNow(h, "hnow", kRight, 34);
  // Modems.
  md = MakeTab("md", "Модемы");
  mdlist = MakeList(md, "mdlist");
  Label2 = MakeCaption(md, "Label2", 12, "Установлено:");
  mdnow = MakeNow(md, "mdnow", kRight, 34);
  // Monitors.
  mn = MakeTab("mn", "Мониторы");
  mnlist = MakeList(mn, "mnlist");
  Label3 = MakeCaption(mn, "Label3", 12, "Установлено:");
  mnnow = MakeNow(mn, "mnnow", kRight, 34);
  // The window opens on the modems.
  lists->ActivePage = md;

  // Each tab's two buttons under its labels; an insert also answers a double
  // click on the tab's list.
  ui::TabSheet* tabs[7] = {pr, rm, mb, vc, h, md, mn};
  struct Button {
    int tab;
    ui::Image*& picture;
    ui::Label*& label;
    const char* name;
    int top;
    const char* caption;
    void (Tdevset::*click)();
    ui::ListBox* list;
  };
  const Button buttons[] = {
      {0, pget, pgetl, "pget", 168, "Вставить", &Tdevset::pgetClick, plist},
      {0, peject, pejectl, "peject", 208, "Вытащить", &Tdevset::pejectClick, nullptr},
      {1, rget, rgetl, "rget", 168, "Вставить", &Tdevset::rgetClick, rlist},
      {1, reject, rejectl, "reject", 208, "Вытащить", &Tdevset::rejectClick, nullptr},
      {2, mbget, mbgetl, "mbget", 168, "Вставить", &Tdevset::mbgetClick, mblist},
      {2, mbeject, mbejectl, "mbeject", 208, "Вытащить", &Tdevset::mbejectClick, nullptr},
      {3, vget, vgetl, "vget", 168, "Вставить", &Tdevset::vgetClick, vlist},
      {3, veject, vejectl, "veject", 208, "Вытащить", &Tdevset::vejectClick, nullptr},
      {4, hget, hgetl, "hget", 168, "Вставить", &Tdevset::hgetClick, hlist},
      {4, heject, hejectl, "heject", 208, "Вытащить", &Tdevset::hejectClick, nullptr},
      {5, mdget, mdgetl, "mdget", 168, "Вставить", &Tdevset::mdgetClick, mdlist},
      {5, mdeject, mdejectl, "mdeject", 208, "Вытащить", &Tdevset::mdejectClick, nullptr},
      {6, mnget, mngetl, "mnget", 168, "Установить", &Tdevset::mngetClick, mnlist},
      {6, mneject, mnejectl, "mneject", 208, "Убрать", &Tdevset::mnejectClick, nullptr},
  };
  for (const Button& b : buttons) {
    const frame::Button made =
        frame::MakeButton(tabs[b.tab], &skins_[b.tab], {b.name, kRight, b.top, 230, 32, b.caption},
                          [this, click = b.click] { (this->*click)(); });
    b.picture = made.picture;
    b.label = made.label;
    if (b.list != nullptr) b.list->OnDblClick = [this, click = b.click](ui::Control&) { (this->*click)(); };
  }
  close->OnClick = [this](ui::Control&) { closeClick(); };

  // Moving over a tab, its list or its labels gives that tab's buttons the
  // normal skin (the disk list has no such handler).
  for (int i = 0; i < 7; ++i) {
    auto reset = [this, i](ui::Control&, ui::ShiftState, int, int) { skins_[i].Reset(); };
    tabs[i]->OnMouseMove = reset;
    for (ui::Control* c : tabs[i]->Controls()) {
      const bool isButton =
          dynamic_cast<ui::Image*>(c) != nullptr || (dynamic_cast<ui::Label*>(c) != nullptr && c->OnClick);
      if (isButton || c == ia || c == hlist) continue;
      c->OnMouseMove = reset;
    }
  }
  lists->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { skins_[0].Reset(); };
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) {
    for (int i : {0, 1, 3, 5}) skins_[i].Reset();
  };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) {
    for (int i : {1, 2, 3, 6}) skins_[i].Reset();
  };
  frame::BindDrag(this);
  OnCreate = [this](ui::Control&) { FormCreate(); };
}

void Tdevset::FormCreate() {
  Color = ui::clBlack;
  DoubleBuffered = true;
  lists->DoubleBuffered = true;
  for (int i = 0; i < lists->PageCount(); ++i) lists->Pages(i)->DoubleBuffered = true;
  for (ui::Image* picture :
       {pget, peject, rget, reject, mbget, mbeject, vget, veject, hget, heject, mdget, mdeject, mnget, mneject}) {
    picture->Picture.LoadFromFile(engine->ButtonsPath + "ctrl_1.jpg");
  }
  engine->RefreshDeviceLabels();
}

// --- inserting and ejecting ---

int Tdevset::ModemKind(const std::string& modem) {
  if (modem == "Sprinter 56k") return 1;
  if (modem == "Sprinter ADSL") return 2;
  return 0;
}

void Tdevset::InsertSelected(ui::ListBox* list, InstallRule install) {
  for (int i = 0; i < list->Items.Count(); ++i) {
    if (list->ItemIndex != i) continue;
    const std::string name = list->Items[i];  // a copy: the rule may add to the list
    if (install(name)) {
      list->Items.Delete(i);
      list->ItemIndex = -1;
    }
  }
}

void Tdevset::InsertSingle(const Slot& slot, bool needsBoard, bool modem, InstallRule install) {
  engine->PlayClickSound();
  if (needsBoard && engine->Mboard == "нет") {
    engine->ShowInfoMessage("Установите материнскую плату!");
    return;
  }
  // The part in the slot goes back to the end of the list first.
  *slot.field = "нет";
  if (slot.now->Caption != "нет") slot.list->Items.Add(slot.now->Caption());
  engine->RefreshDeviceLabels();
  InsertSelected(slot.list, install);
  if (modem) engine->ModemType = ModemKind(engine->Modem);
}

void Tdevset::EjectSingle(const Slot& slot, bool modem) {
  engine->PlayClickSound();
  *slot.field = "нет";
  if (slot.now->Caption != "нет") slot.list->Items.Add(slot.now->Caption());
  if (modem) engine->ModemType = ModemKind(engine->Modem);
  engine->RefreshDeviceLabels();
}

void Tdevset::pgetClick() {
  InsertSingle({&engine->Processor, pnow, plist}, false, false,
               [](const std::string& name) { return engine->InstallProcessor(name, engine->Amd, engine->Intel); });
}

void Tdevset::vgetClick() {
  InsertSingle({&engine->Video, vnow, vlist}, true, false,
               [](const std::string& name) { return engine->InstallVideo(name); });
}

void Tdevset::hgetClick() {
  InsertSingle({&engine->Disk, hnow, hlist}, true, false,
               [](const std::string& name) { return engine->InstallDisk(name); });
}

void Tdevset::mdgetClick() {
  InsertSingle({&engine->Modem, mdnow, mdlist}, true, true,
               [](const std::string& name) { return engine->InstallModem(name); });
}

void Tdevset::mngetClick() {
  InsertSingle({&engine->Monitor, mnnow, mnlist}, false, false,
               [](const std::string& name) { return engine->InstallMonitor(name); });
}

void Tdevset::rgetClick() {
  engine->PlayClickSound();
  if (engine->Mboard == "нет") {
    engine->ShowInfoMessage("Установите материнскую плату!");
    return;
  }
  InsertSelected(rlist, [](const std::string& name) { return engine->InstallRam(name); });
}

void Tdevset::mbgetClick() {
  engine->PlayClickSound();
  // Everything comes out before the new board goes in; the old board goes
  // to the end of the list, so the selected entry keeps its place.
  InsertSelected(mblist, [](const std::string& name) {
    engine->RemoveAllDevices();
    return engine->InstallMotherboard(name);
  });
}

void Tdevset::pejectClick() { EjectSingle({&engine->Processor, pnow, plist}, false); }
void Tdevset::vejectClick() { EjectSingle({&engine->Video, vnow, vlist}, false); }
void Tdevset::hejectClick() { EjectSingle({&engine->Disk, hnow, hlist}, false); }
void Tdevset::mdejectClick() { EjectSingle({&engine->Modem, mdnow, mdlist}, true); }
void Tdevset::mnejectClick() { EjectSingle({&engine->Monitor, mnnow, mnlist}, false); }

void Tdevset::rejectClick() {
  engine->PlayClickSound();
  // One module per click, the last filled slot first.
  struct MemorySlot {
    ui::Label* now;
    std::string* field;
  };
  const MemorySlot slots[4] = {
      {r4now, &engine->Ozu4}, {r3now, &engine->Ozu3}, {r2now, &engine->Ozu2}, {r1now, &engine->Ozu1}};
  for (const MemorySlot& slot : slots) {
    if (slot.now->Caption == "нет") continue;
    rlist->Items.Add(slot.now->Caption());
    *slot.field = "нет";
    break;
  }
  engine->RefreshDeviceLabels();
}

void Tdevset::mbejectClick() {
  engine->PlayClickSound();
  engine->RemoveAllDevices();
}

// --- closing ---

void Tdevset::closeClick() {
  engine->PlayCloseSound();
  Hide();
  comp->Show();
  CheckComputerComplete();
}

void Tdevset::CheckComputerComplete() {
  int filled = 0;
  for (const ui::Label* label : {pnow, mbnow, r1now, vnow, hnow, mnnow}) {
    if (label->Caption != "нет") ++filled;
  }
  if (filled == 6) engine->Computer = true;
  if (filled == 0) engine->Computer = false;
}

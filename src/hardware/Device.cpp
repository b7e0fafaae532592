#include "hardware/Device.h"

#include "engine/Class.h"
#include "hardware/Computer.h"

Tdevset* devset = nullptr;

namespace {
constexpr int kListWidth = 320;
constexpr int kRight = 344;             // where the installed labels and the buttons start on a tab
constexpr int kValueColour = 0xFFFF00;  // aqua, as a classic colour value

// --- inserting and ejecting ---

int ModemKind(const std::string& modem) {
  if (modem == "Sprinter 56k") return 1;
  if (modem == "Sprinter ADSL") return 2;
  return 0;
}

// Whether the rule took the part into the computer.
using InstallRule = bool (*)(const std::string& name);

// Inserts the selected entry of a list through an install rule; the entry
// leaves the list when the rule took it.
void InsertSelected(ui::ListBox* list, InstallRule install) {
  for (int i = 0; i < list->Items.Count(); ++i) {
    if (list->ItemIndex != i) continue;
    const std::string name = list->Items[i];  // a copy: the rule may add to the list
    if (install(name)) {
      list->Items.Delete(i);
      list->ItemIndex = -1;
    }
  }
}

// A slot that takes a single part: its field, its installed label, its
// inventory list, whether a board must be in first, whether it holds the
// modem, and the rule that installs a part.
struct Slot {
  std::string Tzenx::*field;
  ui::Label* Tdevset::*now;
  ui::ListBox* Tdevset::*list;
  bool needsBoard;
  bool modem;
  InstallRule install;
};

// The engine's install rules, as slots call them.
template <bool (Tzenx::*install)(const std::string&)>
bool Install(const std::string& name) {
  return (engine->*install)(name);
}
bool InstallProcessor(const std::string& name) { return engine->InstallProcessor(name, engine->Amd, engine->Intel); }

const Slot kProcessor{&Tzenx::Processor, &Tdevset::pnow, &Tdevset::plist, false, false, InstallProcessor};
const Slot kVideo{&Tzenx::Video, &Tdevset::vnow, &Tdevset::vlist, true, false, Install<&Tzenx::InstallVideo>};
const Slot kDisk{&Tzenx::Disk, &Tdevset::hnow, &Tdevset::hlist, true, false, Install<&Tzenx::InstallDisk>};
const Slot kModem{&Tzenx::Modem, &Tdevset::mdnow, &Tdevset::mdlist, true, true, Install<&Tzenx::InstallModem>};
const Slot kMonitor{&Tzenx::Monitor, &Tdevset::mnnow, &Tdevset::mnlist, false, false, Install<&Tzenx::InstallMonitor>};

void InsertSingle(Tdevset& set, const Slot& slot) {
  engine->PlayClickSound();
  if (slot.needsBoard && engine->Mboard == "нет") {
    engine->ShowInfoMessage("Установите материнскую плату!");
    return;
  }
  // The part in the slot goes back to the end of the list first.
  engine->*slot.field = "нет";
  if ((set.*slot.now)->Caption != "нет") (set.*slot.list)->Items.Add((set.*slot.now)->Caption());
  engine->RefreshDeviceLabels();
  InsertSelected(set.*slot.list, slot.install);
  if (slot.modem) engine->ModemType = ModemKind(engine->Modem);
}

void EjectSingle(Tdevset& set, const Slot& slot) {
  engine->PlayClickSound();
  engine->*slot.field = "нет";
  if ((set.*slot.now)->Caption != "нет") (set.*slot.list)->Items.Add((set.*slot.now)->Caption());
  if (slot.modem) engine->ModemType = ModemKind(engine->Modem);
  engine->RefreshDeviceLabels();
}

}  // namespace

Tdevset::Tdevset(ui::Application& app)
    : Screen(app, {715, 313, "Управление устройствами", nullptr, "X", frame::Back(comp)}) {
  lists = new ui::PageControl(this);
  lists->Name = "lists";
  lists->Style = ui::TabStyle::FlatButtons;
  lists->SetBounds(8, 24, 699, 281);

  using S = Tdevset;
  // One tab per kind of part, each with the list of the bought ones.
  const struct {
    ui::TabSheet* S::*tab;
    const char* name;
    const char* caption;
    ui::ListBox* S::*list;
    const char* listName;
  } tabRows[] = {
      {&S::pr, "pr", "Процессоры", &S::plist, "plist"},
      {&S::rm, "rm", "ОЗУ", &S::rlist, "rlist"},
      {&S::mb, "mb", "Материнские платы", &S::mblist, "mblist"},
      {&S::vc, "vc", "Видео карты", &S::vlist, "vlist"},
      {&S::h, "h", "Винчестеры", &S::hlist, "hlist"},
      {&S::md, "md", "Модемы", &S::mdlist, "mdlist"},
      {&S::mn, "mn", "Мониторы", &S::mnlist, "mnlist"},
  };
  for (const auto& row : tabRows) {
    ui::TabSheet* tab = this->*row.tab = new ui::TabSheet(lists);
    tab->Name = row.name;
    tab->Caption = row.caption;
    DragBy({tab});
    ui::ListBox* list = this->*row.list = new ui::ListBox(tab);
    list->Name = row.listName;
    list->SetBounds(8, 8, kListWidth, tab->Height - 16);
    list->Color = ui::clBlack;
  }
  // Each slot's caption and what is installed in it ("нет" while it is
  // empty); the memory's four slots each have theirs on one row.
  const struct {
    ui::TabSheet* S::*tab;
    ui::Label* S::*caption;
    const char* captionName;
    int captionTop;
    const char* text;
    ui::Label* S::*now;
    const char* nowName;
    int nowLeft;
    int nowTop;
  } slotRows[] = {
      {&S::pr, &S::pnow1, "pnow1", 12, "Установлено: ", &S::pnow, "pnow", kRight, 34},
      {&S::rm, &S::rnow1, "rnow1", 12, "[1]Установлено:", &S::r1now, "r1now", kRight + 124, 12},
      {&S::rm, &S::Label4, "Label4", 36, "[2]Установлено:", &S::r2now, "r2now", kRight + 124, 36},
      {&S::rm, &S::Label5, "Label5", 60, "[3]Установлено:", &S::r3now, "r3now", kRight + 124, 60},
      {&S::rm, &S::Label6, "Label6", 84, "[4]Установлено:", &S::r4now, "r4now", kRight + 124, 84},
      {&S::mb, &S::mbnow1, "mbnow1", 12, "Установлено:", &S::mbnow, "mbnow", kRight, 34},
      {&S::vc, &S::vnow1, "vnow1", 12, "Установлено:", &S::vnow, "vnow", kRight, 34},
      {&S::h, &S::Label1, "Label1", 12, "Установлено:", &S::hnow, "hnow", kRight, 34},
      {&S::md, &S::Label2, "Label2", 12, "Установлено:", &S::mdnow, "mdnow", kRight, 34},
      {&S::mn, &S::Label3, "Label3", 12, "Установлено:", &S::mnnow, "mnnow", kRight, 34},
  };
  for (const auto& row : slotRows) {
    ui::TabSheet* tab = this->*row.tab;
    ui::Label* caption = this->*row.caption = frame::MakeLabel(tab, row.captionName, kRight, row.captionTop, row.text);
    ui::Label* now = this->*row.now = frame::MakeLabel(tab, row.nowName, row.nowLeft, row.nowTop, "нет");
    now->Font.Color = ui::Color::FromValue(kValueColour);
    DragBy({caption, now});
  }
  // The platform of the installed motherboard.
  ia = frame::MakeLabel(mb, "ia", kRight, 58, "-");
  ia->Font.Size = 9;
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
        frame::MakeButton(tabs[b.tab], &tabSkins_[b.tab], {b.name, kRight, b.top, 230, 32, b.caption},
                          [this, click = b.click] { (this->*click)(); });
    b.picture = made.picture;
    b.label = made.label;
    if (b.list != nullptr) b.list->OnDblClick = [this, click = b.click](ui::Control&) { (this->*click)(); };
  }

  // Moving over a tab, its list or its labels gives that tab's buttons the
  // normal skin (the disk list has no such handler).
  for (int i = 0; i < 7; ++i) {
    auto reset = [this, i](ui::Control&, ui::ShiftState, int, int) { tabSkins_[i].Reset(); };
    tabs[i]->OnMouseMove = reset;
    for (ui::Control* c : tabs[i]->Controls()) {
      const bool isButton =
          dynamic_cast<ui::Image*>(c) != nullptr || (dynamic_cast<ui::Label*>(c) != nullptr && c->OnClick);
      if (isButton || c == ia || c == hlist) continue;
      c->OnMouseMove = reset;
    }
  }
  lists->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) { tabSkins_[0].Reset(); };
  top->OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) {
    for (int i : {0, 1, 3, 5}) tabSkins_[i].Reset();
  };
  OnMouseMove = [this](ui::Control&, ui::ShiftState, int, int) {
    for (int i : {1, 2, 3, 6}) tabSkins_[i].Reset();
  };
}

void Tdevset::FormCreate() {
  Color = ui::clBlack;
  lists->DoubleBuffered = true;
  for (int i = 0; i < lists->PageCount(); ++i) lists->Pages(i)->DoubleBuffered = true;
  for (ui::Image* picture :
       {pget, peject, rget, reject, mbget, mbeject, vget, veject, hget, heject, mdget, mdeject, mnget, mneject}) {
    picture->Picture.LoadFromFile(engine->ButtonsPath + "ctrl_1.jpg");
  }
  engine->RefreshDeviceLabels();
}

void Tdevset::pgetClick() { InsertSingle(*this, kProcessor); }
void Tdevset::pejectClick() { EjectSingle(*this, kProcessor); }
void Tdevset::vgetClick() { InsertSingle(*this, kVideo); }
void Tdevset::vejectClick() { EjectSingle(*this, kVideo); }
void Tdevset::hgetClick() { InsertSingle(*this, kDisk); }
void Tdevset::hejectClick() { EjectSingle(*this, kDisk); }
void Tdevset::mdgetClick() { InsertSingle(*this, kModem); }
void Tdevset::mdejectClick() { EjectSingle(*this, kModem); }
void Tdevset::mngetClick() { InsertSingle(*this, kMonitor); }
void Tdevset::mnejectClick() { EjectSingle(*this, kMonitor); }

void Tdevset::rgetClick() {
  engine->PlayClickSound();
  if (engine->Mboard == "нет") {
    engine->ShowInfoMessage("Установите материнскую плату!");
    return;
  }
  InsertSelected(rlist, Install<&Tzenx::InstallRam>);
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

void Tdevset::closeClick() {
  Screen::closeClick();
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

#include "engine/Class.h"
#include "hardware/Computer.h"
#include "hardware/Device.h"
#include "software/Soft.h"

// Buying parts into the inventory and installing them into the slots. A
// part is its name alone; "нет" marks an empty slot.

namespace {

struct Kind {
  const char* word;
  ui::ListBox* Tdevset::*list;
  const char* message;
};

// The kinds in the order a purchase compares them.
constexpr Kind kKinds[] = {
    {"материнская плата", &Tdevset::mblist, "Вы купили материнскую плату - "},
    {"процессор", &Tdevset::plist, "Вы купили процессор - "},
    {"озу", &Tdevset::rlist, "Вы купили ОЗУ - "},
    {"видео", &Tdevset::vlist, "Вы купили видео карту - "},
    {"модем", &Tdevset::mdlist, "Вы купили модем - "},
    {"винчестер", &Tdevset::hlist, "Вы купили жесткий диск - "},
    {"монитор", &Tdevset::mnlist, "Вы купили монитор - "},
};

// Whether a name is one of the catalogue's names. A name left empty in the
// catalogue names no part, so an empty name never matches it.
bool IsOneOf(const std::string& name, std::initializer_list<const std::string*> catalogue) {
  for (const std::string* entry : catalogue) {
    if (!entry->empty() && *entry == name) return true;
  }
  return false;
}

}  // namespace

void Tzenx::BuyDevice(int price, const std::string& name, const std::string& kind) {
  WriteLog("Вызвана функция покупки устройства...");
  const Kind* found = nullptr;
  for (const Kind& k : kKinds) {
    if (kind == k.word) {
      found = &k;
      break;
    }
  }
  // Only the seven kind words are ever passed; anything else is not sold,
  // so no money goes for a part that would have no list to go to.
  if (found == nullptr) return;
  if (!SpendMoney(static_cast<uint32_t>(price))) return;
  (devset->*(found->list))->Items.Add(name);
  ShowInfoMessage(std::string(found->message) + name);
  AddExperience(7);
  PauseGame();
}

void Tzenx::RefreshDeviceLabels() {
  // Each slot's part as the computer screen and the device manager show it,
  // each window in its own order.
  using Shown = std::pair<std::string Tzenx::*, ui::Label*>;
  if (comp != nullptr) {
    for (const auto& [field, label] :
         {Shown{&Tzenx::Processor, comp->proc}, Shown{&Tzenx::Mboard, comp->mboard}, Shown{&Tzenx::Video, comp->video},
          Shown{&Tzenx::Ozu1, comp->ram1}, Shown{&Tzenx::Ozu2, comp->ram2}, Shown{&Tzenx::Ozu3, comp->ram3},
          Shown{&Tzenx::Ozu4, comp->ram4}, Shown{&Tzenx::Modem, comp->modem}, Shown{&Tzenx::Monitor, comp->monitor},
          Shown{&Tzenx::Disk, comp->disk}}) {
      label->Caption = this->*field;
    }
  }
  if (devset != nullptr) {
    for (const auto& [field, label] :
         {Shown{&Tzenx::Processor, devset->pnow}, Shown{&Tzenx::Mboard, devset->mbnow},
          Shown{&Tzenx::Ozu1, devset->r1now}, Shown{&Tzenx::Ozu2, devset->r2now}, Shown{&Tzenx::Ozu3, devset->r3now},
          Shown{&Tzenx::Ozu4, devset->r4now}, Shown{&Tzenx::Video, devset->vnow}, Shown{&Tzenx::Disk, devset->hnow},
          Shown{&Tzenx::Modem, devset->mdnow}, Shown{&Tzenx::Monitor, devset->mnnow}}) {
      label->Caption = this->*field;
    }
    if (Amd && !Intel) devset->ia->Caption = "AMD";
    if (!Amd && Intel) devset->ia->Caption = "Intel";
    if (!Amd && !Intel) devset->ia->Caption = "-";
  }
  if (Mboard == "нет") Computer = false;
  WriteLog("Обновление устройств...");
}

void Tzenx::RemoveAllDevices() {
  // Every installed part goes back to the end of its list, as its label shows it.
  const std::pair<ui::Label*, ui::ListBox*> parts[] = {
      {devset->pnow, devset->plist},   {devset->r1now, devset->rlist},  {devset->r2now, devset->rlist},
      {devset->r3now, devset->rlist},  {devset->r4now, devset->rlist},  {devset->vnow, devset->vlist},
      {devset->hnow, devset->hlist},   {devset->mbnow, devset->mblist}, {devset->mnnow, devset->mnlist},
      {devset->mdnow, devset->mdlist},
  };
  for (const auto& [now, list] : parts) {
    if (now->Caption != "нет") list->Items.Add(now->Caption());
  }
  for (std::string* slot : {&Mboard, &Processor, &Ozu1, &Ozu2, &Ozu3, &Ozu4, &Video, &Disk, &Modem, &Monitor}) {
    *slot = "нет";
  }
  RefreshDeviceLabels();
  Amd = false;
  Intel = false;
  devset->ia->Caption = "-";
  Computer = false;
  ModemType = 0;
  AddExperience(3);
  frame::SetEnabled({comp->soft, comp->softl}, false);
  // The programs go with the computer. Each silent removal takes at least
  // its own entry out; should one ever fail to, the entry is dropped here
  // so the pull-out always ends.
  ui::ListBox* installed = softset->seted;
  while (installed->Items.Count() > 0) {
    const int before = installed->Items.Count();
    const std::string program = installed->Items[0];
    softset->RemoveProgramSilently(program);
    if (installed->Items.Count() >= before) installed->Items.Delete(0);
  }
  WriteLog("Вытащил все устройства...");
}

bool Tzenx::InstallMotherboard(const std::string& name) {
  RemoveAllDevices();
  Mboard = name;
  RefreshDeviceLabels();
  if (IsOneOf(name, {&Mb1i, &Mb2i, &Mb3i})) {
    Amd = false;
    Intel = true;
    devset->ia->Caption = "Intel";
  } else if (IsOneOf(name, {&Mb1a, &Mb2a, &Mb3a})) {
    Amd = true;
    Intel = false;
    devset->ia->Caption = "AMD";
  }
  AddExperience(2);
  return true;
}

bool Tzenx::InstallProcessor(const std::string& name, bool amd, bool intel) {
  WriteLog("Вызвана функция установки процессора...");
  if (amd && !intel) {
    if (!IsOneOf(name, {&Pr1a, &Pr2a, &Pr3a, &Pr4a})) {
      ShowInfoMessage("Нельзя поставить процессор Intel на материнскую плату для AMD!");
      return false;
    }
  } else if (intel && !amd) {
    if (!IsOneOf(name, {&Pr1i, &Pr2i, &Pr3i, &Pr4i})) {
      ShowInfoMessage("Нельзя поставить процессор AMD на материнскую плату для Intel!");
      return false;
    }
  } else if (!amd && !intel) {
    ShowInfoMessage("Установите материнскую плату!");
    return false;
  } else {
    // Both platforms at once can only come from a broken start
    // configuration: the processor is not installed and stays in the list.
    return false;
  }
  Processor = name;
  RefreshDeviceLabels();
  AddExperience(2);
  return true;
}

bool Tzenx::InstallRam(const std::string& name) {
  WriteLog("Вызвана функция установки оперативки...");
  // The first free slot, as the device manager shows them; a gap is filled
  // before the later slots.
  const std::pair<ui::Label*, std::string*> slots[] = {
      {devset->r1now, &Ozu1}, {devset->r2now, &Ozu2}, {devset->r3now, &Ozu3}, {devset->r4now, &Ozu4}};
  for (const auto& [now, field] : slots) {
    if (now->Caption != "нет") continue;
    *field = name;
    RefreshDeviceLabels();
    AddExperience(2);
    return true;
  }
  ShowInfoMessage("Все слоты заняты!");
  return false;
}

namespace {

// The single slots without any check: log, slot, refresh, experience.
bool InstallInto(Tzenx& engine, const char* logLine, std::string& slot, const std::string& name) {
  engine.WriteLog(logLine);
  slot = name;
  engine.RefreshDeviceLabels();
  engine.AddExperience(2);
  return true;
}

}  // namespace

bool Tzenx::InstallVideo(const std::string& name) {
  return InstallInto(*this, "Вызвана функция установки видео карты...", Video, name);
}

bool Tzenx::InstallDisk(const std::string& name) {
  return InstallInto(*this, "Вызвана функция установки HDD...", Disk, name);
}

bool Tzenx::InstallModem(const std::string& name) {
  return InstallInto(*this, "Вызвана функция установки модема...", Modem, name);
}

bool Tzenx::InstallMonitor(const std::string& name) {
  return InstallInto(*this, "Вызвана функция установки монитора...", Monitor, name);
}

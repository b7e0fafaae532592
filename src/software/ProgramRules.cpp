#include "engine/Class.h"
#include "engine/LabelNumber.h"
#include "hardware/Computer.h"
#include "platform/Conversions.h"
#include "software/Soft.h"

// Buying programs and the free disk space.

namespace {

struct ProgramKind {
  const char* word;     // the kind a department names in its purchase
  const char* message;  // the purchase message, followed by the name
};

const ProgramKind kKinds[] = {
    {"ос", "Вы купили операционную систему - "},
    {"офис", "Вы купили офисный пакет - "},
    {"компилятор", "Вы купили компилятор - "},
    {"игра", "Вы купили игру - "},
};

}  // namespace

// A bought program waits in the install screen's list of programs that are
// not installed. A program is bought once: a second copy is refused before
// any money is taken.
void Tzenx::BuyProgram(int price, const std::string& name, const std::string& kind) {
  WriteLog("Покупка программы...");
  if (softset->nseted->Items.IndexOf(name) >= 0 || softset->seted->Items.IndexOf(name) >= 0) {
    ShowInfoMessage("У Вас уже есть эта программа!");
    return;
  }
  if (!SpendMoney(static_cast<uint32_t>(price))) return;
  for (const ProgramKind& k : kKinds) {
    if (kind == k.word) {
      softset->nseted->Items.Add(name);
      ShowInfoMessage(k.message + name);
      break;
    }
  }
  AddExperience(7);
}

// The free space in percent; its master copy is the computer screen's label.
void Tzenx::rem_space(int n) {
  DiskSpace = labels::ReadCount(comp->_disk);
  DiskSpace = DiskSpace - n;
  comp->_disk->Caption = platform::IntToStr(DiskSpace);
  WriteLog("rem_space()");
}

void Tzenx::add_space(int n) {
  DiskSpace = labels::ReadCount(comp->_disk);
  DiskSpace = DiskSpace + n;
  comp->_disk->Caption = platform::IntToStr(DiskSpace);
  WriteLog("add_space()");
}

void Tzenx::set_space(int n) {
  DiskSpace = labels::ReadCount(comp->_disk);
  DiskSpace = n;
  comp->_disk->Caption = platform::IntToStr(DiskSpace);
  WriteLog("set_space()");
}

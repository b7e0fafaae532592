#include "software/Soft.h"

Tsoftset* softset = nullptr;

Tsoftset::Tsoftset(ui::Application& app) : ui::Form(app) {
  nseted = new ui::ListBox(this);
  nseted->Name = "nseted";
  seted = new ui::ListBox(this);
  seted->Name = "seted";
}

void Tsoftset::RemoveProgramSilently(const std::string& name) {
  int i = seted->Items.IndexOf(name);
  if (i >= 0) seted->Items.Delete(i);
  nseted->Items.Add(name);
}

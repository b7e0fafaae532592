#pragma once
// The four departments of the software store. They differ only in their
// titles, programs and kind of program, so one class draws them all from a
// table; each department keeps its own class, instance and control names,
// which the release calendar and the chooser use. Every item is a skinned
// button ("menu" family) captioned with the program's name and price; a click
// buys the program through the engine. The close label goes back to the
// store's department chooser.
#include <array>
#include <string>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tzenx;

// One program of a department: its control name, its catalogue name, its
// price (a catalogue field, or with none the department's own fixed price),
// and whether it is on the shelf from the start.
struct SoftItem {
  const char* control;
  std::string Tzenx::*name;
  int Tzenx::*price;
  int fixedPrice;
  bool visible;
};

struct SoftDepartmentDesign {
  const char* title;
  const char* kind;  // the kind word the purchase is made with
  int count;
  std::array<SoftItem, 9> items;
};

class SoftDepartment : public ui::Form {
 public:
  SoftDepartment(ui::Application& app, const SoftDepartmentDesign& design);

  ui::Label* top;
  ui::Label* close;

  void FormCreate();
  void FormShow();
  void closeClick();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }

  int ItemCount() const { return design_.count; }
  ui::Image* ItemPicture(int index) const { return pictures_[index]; }
  ui::Label* ItemLabel(int index) const { return labels_[index]; }
  const SoftDepartmentDesign& Design() const { return design_; }

 protected:
  ui::Image*& Picture(int index) { return pictures_[index]; }
  ui::Label*& Caption(int index) { return labels_[index]; }

 private:
  // The item's click: the click sound, then the purchase of that program.
  void BuyItem(int index);
  int Price(int index) const;

  const SoftDepartmentDesign& design_;
  std::array<ui::Image*, 9> pictures_{};
  std::array<ui::Label*, 9> labels_{};
  SkinSet skins_{"menu"};
};

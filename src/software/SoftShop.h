#pragma once
// What the four departments of the software store share: a column of
// skinned buttons ("menu" family), one per program, each captioned with the
// program's name and price; a click buys the program through the engine.
// The close label goes back to the store's department chooser.
#include <string>
#include <vector>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class SoftDepartment : public ui::Form {
 public:
  ui::Label* top;
  ui::Label* close;

  void FormCreate();
  void FormShow();
  void closeClick();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }

 protected:
  // kind: the word the engine's purchase rule gets for every item here.
  SoftDepartment(ui::Application& app, const std::string& title, const char* kind, int itemCount);

  // The next item of the column, named picture and picture + "l"; its name
  // and price are read from the catalogue fields whenever the department is
  // shown. A hidden item keeps its place in the column.
  ui::Image* AddItem(const char* pictureName, ui::Label*& label, const std::string& name, const int& price,
                     bool hidden);
  ui::Image* AddItem(const char*, ui::Label*&, const std::string&, int&&, bool) = delete;
  // An item with a fixed price of the department's own.
  ui::Image* AddFixedPriceItem(const char* pictureName, ui::Label*& label, const std::string& name, int fixedPrice,
                               bool hidden);

 private:
  struct Item {
    ui::Image* picture;
    ui::Label* label;
    const std::string* name;
    const int* price;  // null: fixedPrice
    int fixedPrice;
    int Price() const { return price != nullptr ? *price : fixedPrice; }
  };
  ui::Image* Add(const char* pictureName, ui::Label*& label, Item item, bool hidden);
  void Buy(const Item& item);

  std::vector<Item> items_;
  SkinSet skins_{"menu"};
  const char* kind_;
};

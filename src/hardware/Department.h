#pragma once
// A department of a store: a column of items, each a skinned button
// captioned with its catalogue name and price, which a click buys. The
// computer store and the software store draw every department with this
// one class; what sets the two stores apart is their `Store`. Each
// department keeps its own class, instance and item names, which the
// release calendars and the choosers use.
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/Screen.h"

class Tzenx;

// One store's look and sale, the same in all its departments.
struct Store {
  const char* skins;  // the items' skin family
  int width;          // the window's
  // The items' column: left edge, first top, step down, width; the room
  // under the last item.
  int itemLeft, itemTop, itemStep, itemWidth, bottom;
  // Plain captions written smaller until they fit their button (computer
  // store), or bold 11-pixel ones wrapped onto a second line (software).
  bool fitCaptions;
  // Whether moving the mouse over the title strip resets the skins.
  bool titleResets;
  // Whether the close label shows the chooser before the department hides.
  bool chooserFirst;
  // What a purchase calls: the price, the catalogue name and the kind word.
  void (Tzenx::*buy)(int price, const std::string& name, const std::string& kind);
  std::function<ui::Form*()> back;  // the store's chooser
};

class Tdepartment : public Screen {
 public:
  Tdepartment(ui::Application& app, const Store& store, const char* title, const char* kind);

  // The captions follow the catalogue at every showing.
  void FormShow() override;
  void closeClick() override;

  int ItemCount() const { return static_cast<int>(items_.size()); }
  ui::Image* ItemPicture(int index) const { return items_[index].picture; }
  ui::Label* ItemLabel(int index) const { return items_[index].label; }

 protected:
  // One item: its control name, its catalogue name, its price (a catalogue
  // field, or with none the fixed price), and whether it is on the shelf
  // from the start.
  struct Goods {
    const char* control;
    std::string Tzenx::*name;
    int Tzenx::*price;
    bool visible;
    int fixedPrice = 0;
  };
  // One item of a department, one row: the members for its picture and
  // caption, then the goods.
  template <typename S>
  struct ItemLine {
    ui::Image* S::*picture;
    ui::Label* S::*label;
    Goods goods;
  };

  // Builds the items from their rows, top down, and makes the window as tall
  // as they need.
  template <typename S>
  void AddItems(std::initializer_list<ItemLine<S>> rows) {
    S* self = static_cast<S*>(this);
    for (const ItemLine<S>& row : rows) {
      AddItem(row.goods);
      self->*row.picture = items_.back().picture;
      self->*row.label = items_.back().label;
    }
    SetClientSize(store_.width, store_.itemTop + ItemCount() * store_.itemStep + store_.bottom);
  }

 private:
  struct Item {
    Goods goods;
    ui::Image* picture;
    ui::Label* label;
  };
  void AddItem(const Goods& goods);
  int Price(int index) const;
  // The item's click: the click sound, then the purchase.
  void BuyItem(int index);

  const Store& store_;
  const char* kind_;  // the kind word the purchase is made with
  std::vector<Item> items_;
};

#pragma once
// The ten departments of the computer store. They differ only in their
// titles, items and kind of part, so one class draws them all from a table;
// each department keeps its own class, instance, control names and click
// handlers, which the release calendar and the chooser use.
#include <array>
#include <string>

#include "engine/Frame.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tzenx;

// One item of a department: its control name, its catalogue name and price,
// and whether it is on the shelf from the start.
struct DepartmentItem {
  const char* control;
  std::string Tzenx::*name;
  int Tzenx::*price;
  bool visible;
};

struct DepartmentDesign {
  const char* title;
  const char* kind;  // the kind word the purchase is made with
  int count;
  std::array<DepartmentItem, 4> items;
};

class Tdepartment : public ui::Form {
 public:
  Tdepartment(ui::Application& app, const DepartmentDesign& design);

  ui::Label* top;
  ui::Label* close;

  void FormCreate();
  void FormShow();
  void closeClick();
  void ResetSkins() { skins_.Reset(); }

  int ItemCount() const { return design_.count; }
  ui::Image* ItemPicture(int index) const { return pictures_[index]; }
  ui::Label* ItemLabel(int index) const { return labels_[index]; }
  const DepartmentDesign& Design() const { return design_; }

 protected:
  // The item's click: the click sound, then the purchase of that item.
  void BuyItem(int index);
  // Binds each item's click to the department's own named handler.
  template <typename Self>
  void BindClicks(std::initializer_list<void (Self::*)()> handlers) {
    int i = 0;
    for (auto handler : handlers) {
      pictures_[i++]->OnClick = [this, handler](ui::Control&) { (static_cast<Self*>(this)->*handler)(); };
    }
  }
  ui::Image*& Picture(int index) { return pictures_[index]; }
  ui::Label*& Caption(int index) { return labels_[index]; }

 private:
  const DepartmentDesign& design_;
  std::array<ui::Image*, 4> pictures_{};
  std::array<ui::Label*, 4> labels_{};
  SkinSet skins_{"farm"};
};

// Intel motherboards.
class Tmbshop : public Tdepartment {
 public:
  explicit Tmbshop(ui::Application& app);
  ui::Image*& mb1 = Picture(0);
  ui::Label*& mb1l = Caption(0);
  ui::Image*& mb2 = Picture(1);
  ui::Label*& mb2l = Caption(1);
  ui::Image*& mb3 = Picture(2);
  ui::Label*& mb3l = Caption(2);
  void mb1Click() { BuyItem(0); }
  void mb2Click() { BuyItem(1); }
  void mb3Click() { BuyItem(2); }
};
extern Tmbshop* mbshop;

// AMD motherboards.
class Tmbshop2 : public Tdepartment {
 public:
  explicit Tmbshop2(ui::Application& app);
  ui::Image*& mb1 = Picture(0);
  ui::Label*& mb1l = Caption(0);
  ui::Image*& mb2 = Picture(1);
  ui::Label*& mb2l = Caption(1);
  ui::Image*& mb3 = Picture(2);
  ui::Label*& mb3l = Caption(2);
  void mb1Click() { BuyItem(0); }
  void mb2Click() { BuyItem(1); }
  void mb3Click() { BuyItem(2); }
};
extern Tmbshop2* mbshop2;

// AMD processors.
class Tprshop : public Tdepartment {
 public:
  explicit Tprshop(ui::Application& app);
  ui::Image*& pr1 = Picture(0);
  ui::Label*& pr1l = Caption(0);
  ui::Image*& pr2 = Picture(1);
  ui::Label*& pr2l = Caption(1);
  ui::Image*& pr3 = Picture(2);
  ui::Label*& pr3l = Caption(2);
  ui::Image*& pr4 = Picture(3);
  ui::Label*& pr4l = Caption(3);
  void pr1Click() { BuyItem(0); }
  void pr2Click() { BuyItem(1); }
  void pr3Click() { BuyItem(2); }
  void pr4Click() { BuyItem(3); }
};
extern Tprshop* prshop;

// Intel processors.
class Tprshop2 : public Tdepartment {
 public:
  explicit Tprshop2(ui::Application& app);
  ui::Image*& pr1 = Picture(0);
  ui::Label*& pr1l = Caption(0);
  ui::Image*& pr2 = Picture(1);
  ui::Label*& pr2l = Caption(1);
  ui::Image*& pr3 = Picture(2);
  ui::Label*& pr3l = Caption(2);
  ui::Image*& pr4 = Picture(3);
  ui::Label*& pr4l = Caption(3);
  void pr1Click() { BuyItem(0); }
  void pr2Click() { BuyItem(1); }
  void pr3Click() { BuyItem(2); }
  void pr4Click() { BuyItem(3); }
};
extern Tprshop2* prshop2;

// Memory.
class Trshop : public Tdepartment {
 public:
  explicit Trshop(ui::Application& app);
  ui::Image*& r1 = Picture(0);
  ui::Label*& r1l = Caption(0);
  ui::Image*& r2 = Picture(1);
  ui::Label*& r2l = Caption(1);
  ui::Image*& r3 = Picture(2);
  ui::Label*& r3l = Caption(2);
  ui::Image*& r4 = Picture(3);
  ui::Label*& r4l = Caption(3);
  void r1Click() { BuyItem(0); }
  void r2Click() { BuyItem(1); }
  void r3Click() { BuyItem(2); }
  void r4Click() { BuyItem(3); }
};
extern Trshop* rshop;

// NVidia video cards.
class Tvshop : public Tdepartment {
 public:
  explicit Tvshop(ui::Application& app);
  ui::Image*& v1 = Picture(0);
  ui::Label*& v1l = Caption(0);
  ui::Image*& v2 = Picture(1);
  ui::Label*& v2l = Caption(1);
  ui::Image*& v3 = Picture(2);
  ui::Label*& v3l = Caption(2);
  ui::Image*& v4 = Picture(3);
  ui::Label*& v4l = Caption(3);
  void v1Click() { BuyItem(0); }
  void v2Click() { BuyItem(1); }
  void v3Click() { BuyItem(2); }
  void v4Click() { BuyItem(3); }
};
extern Tvshop* vshop;

// ATI video cards.
class Tvshop2 : public Tdepartment {
 public:
  explicit Tvshop2(ui::Application& app);
  ui::Image*& v1 = Picture(0);
  ui::Label*& v1l = Caption(0);
  ui::Image*& v2 = Picture(1);
  ui::Label*& v2l = Caption(1);
  ui::Image*& v3 = Picture(2);
  ui::Label*& v3l = Caption(2);
  ui::Image*& v4 = Picture(3);
  ui::Label*& v4l = Caption(3);
  void v1Click() { BuyItem(0); }
  void v2Click() { BuyItem(1); }
  void v3Click() { BuyItem(2); }
  void v4Click() { BuyItem(3); }
};
extern Tvshop2* vshop2;

// Hard disks.
class Thshop : public Tdepartment {
 public:
  explicit Thshop(ui::Application& app);
  ui::Image*& h1 = Picture(0);
  ui::Label*& h1l = Caption(0);
  ui::Image*& h2 = Picture(1);
  ui::Label*& h2l = Caption(1);
  ui::Image*& h3 = Picture(2);
  ui::Label*& h3l = Caption(2);
  ui::Image*& h4 = Picture(3);
  ui::Label*& h4l = Caption(3);
  void h1Click() { BuyItem(0); }
  void h2Click() { BuyItem(1); }
  void h3Click() { BuyItem(2); }
  void h4Click() { BuyItem(3); }
};
extern Thshop* hshop;

// Modems.
class Tmdshop : public Tdepartment {
 public:
  explicit Tmdshop(ui::Application& app);
  ui::Image*& m1 = Picture(0);
  ui::Label*& m1l = Caption(0);
  ui::Image*& m2 = Picture(1);
  ui::Label*& m2l = Caption(1);
  void m1Click() { BuyItem(0); }
  void m2Click() { BuyItem(1); }
};
extern Tmdshop* mdshop;

// LCD monitors.
class Tmnshop : public Tdepartment {
 public:
  explicit Tmnshop(ui::Application& app);
  ui::Image*& m1 = Picture(0);
  ui::Label*& m1l = Caption(0);
  ui::Image*& m2 = Picture(1);
  ui::Label*& m2l = Caption(1);
  ui::Image*& m3 = Picture(2);
  ui::Label*& m3l = Caption(2);
  void m1Click() { BuyItem(0); }
  void m2Click() { BuyItem(1); }
  void m3Click() { BuyItem(2); }
};
extern Tmnshop* mnshop;

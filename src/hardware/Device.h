#pragma once
// The device manager: the bought parts that wait in one list per kind, what
// is installed in each slot, and the buttons that put parts into the
// computer and take them out, one tab per kind of part.
#include "engine/Screen.h"
#include "ui/PageControl.h"
#include "ui/TabSheet.h"

class Tdevset : public Screen {
 public:
  explicit Tdevset(ui::Application& app);

  ui::PageControl* lists;

  // Processors.
  ui::TabSheet* pr;
  ui::ListBox* plist;
  ui::Label* pnow1;
  ui::Label* pnow;
  ui::Image* pget;
  ui::Label* pgetl;
  ui::Image* peject;
  ui::Label* pejectl;
  // Memory.
  ui::TabSheet* rm;
  ui::ListBox* rlist;
  ui::Label* rnow1;
  ui::Label* r1now;
  ui::Label* Label4;
  ui::Label* r2now;
  ui::Label* Label5;
  ui::Label* r3now;
  ui::Label* Label6;
  ui::Label* r4now;
  ui::Image* rget;
  ui::Label* rgetl;
  ui::Image* reject;
  ui::Label* rejectl;
  // Motherboards.
  ui::TabSheet* mb;
  ui::ListBox* mblist;
  ui::Label* mbnow1;
  ui::Label* mbnow;
  ui::Label* ia;
  ui::Image* mbget;
  ui::Label* mbgetl;
  ui::Image* mbeject;
  ui::Label* mbejectl;
  // Video cards.
  ui::TabSheet* vc;
  ui::ListBox* vlist;
  ui::Label* vnow1;
  ui::Label* vnow;
  ui::Image* vget;
  ui::Label* vgetl;
  ui::Image* veject;
  ui::Label* vejectl;
  // Hard disks.
  ui::TabSheet* h;
  ui::ListBox* hlist;
  ui::Label* Label1;
  ui::Label* hnow;
  ui::Image* hget;
  ui::Label* hgetl;
  ui::Image* heject;
  ui::Label* hejectl;
  // Modems.
  ui::TabSheet* md;
  ui::ListBox* mdlist;
  ui::Label* Label2;
  ui::Label* mdnow;
  ui::Image* mdget;
  ui::Label* mdgetl;
  ui::Image* mdeject;
  ui::Label* mdejectl;
  // Monitors.
  ui::TabSheet* mn;
  ui::ListBox* mnlist;
  ui::Label* Label3;
  ui::Label* mnnow;
  ui::Image* mnget;
  ui::Label* mngetl;
  ui::Image* mneject;
  ui::Label* mnejectl;

  void FormCreate() override;
  void closeClick() override;
  void CheckComputerComplete();

  // Inserts (the picture, its label and a double click on the list).
  void pgetClick();
  void rgetClick();
  void mbgetClick();
  void vgetClick();
  void hgetClick();
  void mdgetClick();
  void mngetClick();
  // Ejects (the picture and its label).
  void pejectClick();
  void rejectClick();
  void mbejectClick();
  void vejectClick();
  void hejectClick();
  void mdejectClick();
  void mnejectClick();

  // The insert and eject buttons of each tab, in tab order.
  SkinSet& TabSkins(int tab) { return tabSkins_[tab]; }

 private:
  SkinSet tabSkins_[7] = {SkinSet{"ctrl"}, SkinSet{"ctrl"}, SkinSet{"ctrl"}, SkinSet{"ctrl"},
                          SkinSet{"ctrl"}, SkinSet{"ctrl"}, SkinSet{"ctrl"}};
};

extern Tdevset* devset;

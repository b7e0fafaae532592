#pragma once
// The computer screen: the parts installed in the player's computer, whether
// it works, and the way to the device manager, the programs, the internet
// and the free disk space.
#include "engine/Screen.h"

class Tcomp : public Screen {
 public:
  explicit Tcomp(ui::Application& app);

  ui::Label* details;
  ui::Label* zag2l;
  // Part rows: caption, then the slot it shows.
  ui::Label* mbl;
  ui::Label* mboard;
  ui::Label* prl;
  ui::Label* proc;
  ui::Label* raml;
  ui::Label* ram1;
  ui::Label* ram2l;
  ui::Label* ram2;
  ui::Label* ram3l;
  ui::Label* ram3;
  ui::Label* ram4l;
  ui::Label* ram4;
  ui::Label* vil;
  ui::Label* video;
  ui::Label* harl;
  ui::Label* disk;
  ui::Label* modl;
  ui::Label* modem;
  ui::Label* monl;
  ui::Label* monitor;
  // Skinned buttons.
  ui::Image* program;
  ui::Label* programl;
  ui::Image* device;
  ui::Label* devicel;
  ui::Image* soft;
  ui::Label* softl;
  // Picture buttons.
  ui::Image* internet;
  ui::Image* hard;
  // The free-disk-space line.
  ui::Label* __disk;
  ui::Label* _disk;
  ui::Label* z;
  ui::Label* link;

  void FormCreate() override;
  void FormShow() override;
  void deviceClick();
  void programClick();
  void softClick();
  void internetClick();
  void hardClick();
  void linkClick();

 private:
  ui::Image* MakePictureButton(const char* name, int left, int buttonTop, const char* hint);
  void ResetProgramAndDevice();
  // The frame's skin set holds program, device, then the software button;
  // the software button keeps its own besides.
  SkinSet softSkins_{"ctrl", SkinSet::Mode::Solo};
};

extern Tcomp* comp;

#pragma once
// Registration of a new character: first name, surname and nickname. The
// three texts survive going back and forth; the instructions screen copies
// them into the engine when the game starts.
#include "engine/Frame.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class Tinit : public ui::Form {
 public:
  explicit Tinit(ui::Application& app);

  ui::Label* Label1;
  ui::Label* Label2;
  ui::Label* Label3;
  ui::Label* Label4;
  ui::Label* Label5;
  ui::Edit* name;
  ui::Edit* sname;
  ui::Edit* nick;
  ui::Image* back;
  ui::Label* backl;
  ui::Image* next;
  ui::Label* nextl;

  void FormCreate();
  void nextClick();
  void backClick();
  void ResetSkins() { skins_.Reset(); }
  const SkinSet& Skins() const { return skins_; }

 private:
  ui::Edit* MakeField(const char* fieldName, int left, int top, int width, int tabOrder);
  SkinSet skins_{"case"};
};

extern Tinit* init;

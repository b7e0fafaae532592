#pragma once
// The city pharmacy: two medicines that raise the player's health. Closing
// it goes back to travel.
#include "engine/Screen.h"

class Tapteka : public Screen {
 public:
  explicit Tapteka(ui::Application& app);

  ui::Image* hard;
  ui::Label* hardl;
  ui::Image* low;
  ui::Label* lowl;
  ui::Label* Label3;
  ui::Label* Label4;

  void FormCreate() override;
  void hardClick();
  void lowClick();
  void closeClick() override;

 private:
  struct Medicine;
  void Buy(const Medicine& medicine);
};

extern Tapteka* apteka;

#pragma once
// What the two message windows share: a shaped background (pure red is
// see-through), an icon, the title "Зендрикс 2 - сообщение", the text and
// one "OK" button with the "mes" skins; Enter or Space is OK.
#include <string>

#include "engine/Screen.h"

class MessageWindow : public Screen {
 public:
  ui::Image* Image1;
  ui::Image* Image2;
  ui::Label* Label1;
  ui::Image* ok;
  ui::Label* okl;
  ui::Label* text;

  virtual void okClick() = 0;
  void FormKeyDown(int& key, ui::ShiftState shift);

 protected:
  struct Layout {
    int width, height;
    ui::Rect text;
    ui::Point ok, okl;
    const char* picturePrefix;  // "mes" or "mess": the window's own pictures
  };
  MessageWindow(ui::Application& app, const Layout& layout);
  // Makes the window shaped and loads its pictures and the normal skin.
  void FormCreate() override;
  // The window manager's close answers the message as its OK does: a
  // game-over message still ends the game.
  void CloseRequested() override { okClick(); }

 private:
  std::string prefix_;
};

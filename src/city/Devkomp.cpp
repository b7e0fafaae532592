#include "city/Devkomp.h"

#include "city/Play.h"
#include "engine/Class.h"

Tdevkomp* devkomp = nullptr;

Tdevkomp::Tdevkomp(ui::Application& app)
    : Screen(app, {389, 225, "Конфигурация компьютера разработчика этой игры", nullptr, "X", nullptr}) {
  // A smaller face than the other screens, the close label's too.
  Font.Size = 11;
  close->Font.Size = 11;
  DoubleBuffered = false;

  // A greeting, then the parts of the computer, each one's name in a column of its own.
  AddLabels<Tdevkomp>({
      {&Tdevkomp::Label1, "Label1", 8, 26, "Привет, игрок! Ты открыл скрытое окно с информацией о"},
      {&Tdevkomp::Label2, "Label2", 8, 42, "моем компьютере, т.е. о компьютере разработчика этой"},
      {&Tdevkomp::Label3, "Label3", 8, 58, "игры. Думаю, тебе будет интересно узнать ее..."},
  });
  AddLabels<Tdevkomp>({
      {&Tdevkomp::Label4, "Label4", 8, 92, "Процессор:"},
      {&Tdevkomp::Label5, "Label5", 8, 116, "Оперативная память:"},
      {&Tdevkomp::Label6, "Label6", 8, 140, "Видео карта:"},
      {&Tdevkomp::Label7, "Label7", 8, 164, "Жесткий диск:"},
      {&Tdevkomp::Label8, "Label8", 8, 188, "Монитор:"},
      {&Tdevkomp::Label9, "Label9", 140, 92, "AMD Athlon64 X2 3800+ (2 CPU's)"},
      {&Tdevkomp::Label10, "Label10", 140, 116, "2Gb DDR-II"},
      {&Tdevkomp::Label11, "Label11", 140, 140, "ATI Radeon X1800 GTO2 512mb"},
      {&Tdevkomp::Label12, "Label12", 140, 164, "200 Gb"},
      {&Tdevkomp::Label13, "Label13", 140, 188, "старый телевизор \"Горизонт\"... :) шутка :)"},
  });
  DragBy({Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label13});
}

// The window is closed, not hidden, and the game's time runs again.
void Tdevkomp::closeClick() {
  engine->PlayCloseSound();
  Close();
  menu->StartGameTimers();
}

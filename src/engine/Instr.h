#pragma once
// The instructions: "instruct.pf" typed out one character every 50 ms, then
// "Начать игру" starts the game with the names from the registration.
#include <string>
#include <vector>

#include "engine/Screen.h"
#include "ui/Memo.h"
#include "ui/Timer.h"

class Tinst : public Screen {
 public:
  explicit Tinst(ui::Application& app);

  ui::Memo* text;
  ui::Image* back;
  ui::Label* backl;
  ui::Image* next;
  ui::Label* nextl;
  ui::Label* Label1;
  ui::Timer* writer;

  // The typewriter: the whole text as the text box holds it (line breaks as
  // CR LF) and how many of its characters are on screen.
  std::string InstructionText;
  int TypedCount = 0;

  void FormCreate() override;
  void FormShow() override;
  void FormHide();
  void FormKeyDown(int& key, ui::ShiftState shift);
  void LoadInstructions();
  void writerTimer();
  void nextClick();
  void backClick();
  void Label1Click();
  // Characters of the text, counted as the player sees them.
  int InstructionLength() const { return static_cast<int>(starts_.size()); }

 private:
  bool LoadText();
  std::vector<size_t> starts_;  // byte offset of each character of InstructionText
};

extern Tinst* inst;

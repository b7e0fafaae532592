#pragma once
// The skills window: the four basic skills (C++, Pascal, PHP, education),
// each a level in large digits, a bar of ten cells and the points toward the
// next cell. Its level labels are the master copy of the levels; the steps of
// the engine draw into its cells whether it is shown or hidden.
#include <array>
#include <cstdint>

#include "engine/Screen.h"
#include "ui/Button.h"

class Tzenx;

// The engine's fields of each skill, in the skills' fixed order (C++, Pascal,
// PHP, education): its level, its bar, its maximum level, its points.
struct SkillFields {
  int Tzenx::*level;
  int Tzenx::*bar;
  int Tzenx::*maxLevel;
  int Tzenx::*points;
};
extern const SkillFields kSkillFields[4];

class Tskills : public Screen {
 public:
  explicit Tskills(ui::Application& app);

  // Caption labels of the four rows.
  ui::Label* ll;
  ui::Label* lll;
  ui::Label* llll;
  ui::Label* lllll;
  // Level labels: the master copy of the four levels.
  ui::Label* cpp;
  ui::Label* pas;
  ui::Label* php;
  ui::Label* um;
  // Points toward the next cell, as of the last showing.
  ui::Label* onc;
  ui::Label* onpas;
  ui::Label* onp;
  ui::Label* onum;
  // The hidden templates: a filled and an empty cell.
  ui::Image* y;
  ui::Image* n;
  // Step buttons, then points buttons, in tab order.
  ui::Button* Button1;
  ui::Button* Button2;
  ui::Button* Button3;
  ui::Button* Button4;
  ui::Button* Button5;
  ui::Button* Button6;
  ui::Button* Button7;
  ui::Button* Button8;

  // Working bar counts and the steps of each skill since the program started
  // (C++, Pascal, PHP, education).
  std::array<int, 4> Bars{};
  std::array<int, 4> CellsAdded{};

  // Cell j (1 to 10) of skill i (0 to 3): c1 .. c10, p1 .. p10, php1 .. php10, um1 .. um10.
  ui::Image* Cell(int skill, int j) const { return cells_[skill][j - 1]; }
  ui::Label* LevelLabel(int skill) const;
  // Cells 1 to filled show the filled template, the rest the empty one,
  // copied cell by cell from the first.
  void DrawBar(int skill, int filled);

  void FormCreate() override;
  void FormShow() override;
  void RedrawSkillBars();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();

 private:
  void SetCell(ui::Image* cell, const ui::Image* templ);
  // Three points to a skill by the engine's `add`, shown at once.
  void AddPoints(void (Tzenx::*add)(uint32_t), int skill);
  // The level labels, and the points of one skill, as the engine holds them.
  void ShowLevels();
  void ShowPoints(int skill);
  std::array<std::array<ui::Image*, 10>, 4> cells_{};
};

extern Tskills* skills;

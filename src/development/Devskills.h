#pragma once
// The advanced-skills window: the thirteen development skills read from
// "skill.pc", each a level and a bar of ten cells. A step of a skill costs
// experience; the levels make the player's games sell for more.
#include <array>
#include <string>
#include <vector>

#include "engine/Screen.h"
#include "ui/Button.h"

class TdevSkill : public Screen {
 public:
  static constexpr int kSkills = 13;

  explicit TdevSkill(ui::Application& app);

  struct Skill {
    std::string name;
    int level = 0;
    int bar = 0;  // filled cells of the current level, 0 to 10
  };

  ui::Label* info;
  std::array<Skill, kSkills> Skills{};
  std::array<ui::Label*, kSkills> names{};
  std::array<ui::Label*, kSkills> levels{};
  std::array<ui::Button*, kSkills> plus{};

  void FormCreate() override;
  void FormShow() override;
  // One step of skill i, paid with experience.
  void plusClick(int i);
  // The levels of all thirteen skills together; a sum past the int range
  // counts as the largest int.
  int TotalLevels() const;
  void DrawRow(int i);
  // Cell j (1 to 10) of skill i (0 to 12).
  ui::Image* Cell(int i, int j) const { return cells_[i][j - 1]; }

  // Reads the skills from the scrambled lines of "skill.pc", each level 0 to
  // highestLevel; what cannot be read starts from nothing and is told in the
  // returned text (empty when everything was read).
  std::string ReadSkills(const std::vector<std::string>& scrambledLines, int highestLevel);

 private:
  std::array<std::array<ui::Image*, 10>, kSkills> cells_{};
  std::string filled_, empty_;
};

extern TdevSkill* devSkill;

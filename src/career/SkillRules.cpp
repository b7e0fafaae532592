#include "career/Skill.h"
#include "engine/Class.h"
#include "platform/Conversions.h"

// The four basic skills grow by steps: each step fills one more cell of the
// skill's bar, and the eleventh empties the bar and raises the level up to
// the skill's maximum. Points collected past the shared threshold pay for a
// step. The live level is the skills window's level label.

const SkillFields kSkillFields[4] = {
    {&Tzenx::Cpplev, &Tzenx::Cppbar, &Tzenx::Maxcpp, &Tzenx::Oncpp},
    {&Tzenx::Paslev, &Tzenx::Pasbar, &Tzenx::Maxpas, &Tzenx::Onpas},
    {&Tzenx::Phplev, &Tzenx::Phpbar, &Tzenx::Maxphp, &Tzenx::Onphp},
    {&Tzenx::Umlev, &Tzenx::Umbar, &Tzenx::Maxum, &Tzenx::Onum},
};

namespace {

enum Skill { kCpp = 0, kPascal = 1, kPhp = 2, kEducation = 3 };

// 32-bit arithmetic as the engine's numbers have it: wraps, never overflows.
int Plus1(int value) { return static_cast<int>(static_cast<uint32_t>(value) + 1u); }

// One step of skill i; stepLog is the skill's own line after the experience.
void Step(Tzenx& z, int i, const char* stepLog) {
  ui::Label* levelLabel = skills->LevelLabel(i);
  const int level = platform::StrToInt(levelLabel->Caption());

  const int k = Plus1(skills->Bars[i]);
  skills->Bars[i] = k;
  skills->CellsAdded[i] = Plus1(skills->CellsAdded[i]);

  if (k >= 1 && k <= 10) {
    skills->DrawBar(i, k);
  } else if (k == 11) {
    skills->DrawBar(i, 0);
    skills->Bars[i] = 0;
    if (static_cast<uint32_t>(level) < static_cast<uint32_t>(z.*kSkillFields[i].maxLevel)) {
      levelLabel->Caption = platform::IntToStr(Plus1(level));
    }
  } else if (k == 0) {
    skills->DrawBar(i, 0);
  }
  // Any other count (a bar stored outside 0 to 10) leaves the cells alone.

  z.AddExperience(15);
  z.WriteLog(stepLog);

  z.*kSkillFields[i].level = platform::StrToInt(levelLabel->Caption());
  z.*kSkillFields[i].bar = skills->Bars[i];
}

// n points to skill i: past the threshold they pay for at most one step,
// and whatever is left over waits for the next call.
void AddPoints(Tzenx& z, int i, uint32_t n, void (Tzenx::*step)(), const char* pointsLog) {
  int& field = z.*kSkillFields[i].points;
  uint32_t points = static_cast<uint32_t>(field) + n;
  field = static_cast<int>(points);
  const uint32_t threshold = static_cast<uint32_t>(z.Max);
  if (points > threshold) {
    field = static_cast<int>(points - threshold);
    (z.*step)();
  } else if (points == threshold) {
    field = 0;
    (z.*step)();
  }
  z.WriteLog(pointsLog);
}

}  // namespace

void Tzenx::AdvanceCppSkill() { Step(*this, kCpp, "Добавление навыка по С++..."); }
void Tzenx::AdvancePascalSkill() { Step(*this, kPascal, "Добавление навыка по паскалю..."); }
void Tzenx::AdvancePhpSkill() { Step(*this, kPhp, "Добавление навыка по РНР..."); }
void Tzenx::AdvanceEducationSkill() { Step(*this, kEducation, "Добавление навыка по образованию..."); }

void Tzenx::AddCppPoints(uint32_t n) {
  AddPoints(*this, kCpp, n, &Tzenx::AdvanceCppSkill, "Добавление поднавыка по С++...");
}
void Tzenx::AddPascalPoints(uint32_t n) {
  AddPoints(*this, kPascal, n, &Tzenx::AdvancePascalSkill, "Добавление поднавыка по Паскалю...");
}
void Tzenx::AddPhpPoints(uint32_t n) {
  AddPoints(*this, kPhp, n, &Tzenx::AdvancePhpSkill, "Добавление навыка по РНР...");
}
void Tzenx::AddEducationPoints(uint32_t n) {
  AddPoints(*this, kEducation, n, &Tzenx::AdvanceEducationSkill, "Добавление навыка по образованию...");
}

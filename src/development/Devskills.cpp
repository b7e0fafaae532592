#include "development/Devskills.h"

#include <algorithm>
#include <cstdint>

#include "city/Person.h"
#include "city/Play.h"
#include "engine/Class.h"
#include "engine/Frame.h"
#include "engine/LabelNumber.h"
#include "engine/Scramble.h"
#include "platform/Conversions.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "ui/Application.h"

TdevSkill* devSkill = nullptr;

namespace {
constexpr int kRowTop = 28;
constexpr int kRowStep = 22;
constexpr int kCellLeft = 232;
const ui::Color kValueColor{255, 214, 102};

std::string DefaultName(int i) { return "Навык " + platform::IntToStr(i + 1); }
}  // namespace

TdevSkill::TdevSkill(ui::Application& app)
    : Screen(app, {500, kRowTop + kSkills * kRowStep + 34, "Продвинутые навыки", nullptr, "X", frame::Back(person)}) {
  // A row a skill: its name, its ten cells, its level and its step button.
  for (int i = 0; i < kSkills; ++i) {
    const int rowTop = kRowTop + i * kRowStep;
    const std::string n = platform::IntToStr(i + 1);
    Skills[i].name = DefaultName(i);
    names[i] = frame::MakeBox(this, {("name" + n).c_str(), 12, rowTop + 1, kCellLeft - 20, 16, Skills[i].name.c_str()});
    DragBy({names[i]});
    for (int j = 0; j < 10; ++j) {
      auto* cell = new ui::Image(this);
      cell->Name = "s" + n + "c" + platform::IntToStr(j + 1);
      cell->SetBounds(kCellLeft + 20 * j, rowTop, 19, 17);
      DragBy({cell});
      cells_[i][j] = cell;
    }
    levels[i] = frame::MakeLabel(this, "lev" + n, kCellLeft + 206, rowTop + 1, "0");
    levels[i]->Font.Color = kValueColor;
    levels[i]->Font.Style = ui::fsBold;
    levels[i]->Hint = "Уровень навыка";
    plus[i] = frame::MakePush(
        this, {("plus" + n).c_str(), kCellLeft + 232, rowTop, 24, 18, "+", 0, 0, "Поднять навык за опыт"},
        [this, i] { plusClick(i); });
  }
  info = frame::MakeLabel(this, "info", 12, kRowTop + kSkills * kRowStep + 8, "");
  DragBy({info});
}

std::string TdevSkill::ReadSkills(const std::vector<std::string>& scrambledLines, int highestLevel) {
  // Descrambled here, in memory: nothing of the table is written anywhere.
  std::vector<std::string> lines;
  lines.reserve(scrambledLines.size());
  for (const std::string& line : scrambledLines) lines.push_back(ScrambleLine(line, ScrambleKey()));
  const platform::IniFile ini(lines);
  const std::vector<std::string> values = ini.ReadSectionValues("Skills");
  if (values.empty()) {
    return ini.SectionExists("Skills") ? "в разделе [Skills] нет ни одного ключа" : "в нём нет раздела [Skills]";
  }
  std::string bad;
  for (int i = 0; i < kSkills; ++i) {
    const std::string key = "Skill" + platform::IntToStr(i + 1);
    const std::string name = platform::ValueOf(values, key);
    int32_t level = 0, bar = 0;
    // A level runs from 0 to the highest, as the steps of the window raise it.
    const bool levelRead =
        platform::TryStrToInt(platform::ValueOf(values, key + "Lev"), level) && level >= 0 && level <= highestLevel;
    const bool barRead = platform::TryStrToInt(platform::ValueOf(values, key + "Bar"), bar) && bar >= 0 && bar <= 10;
    if (name.empty() || !levelRead || !barRead) {
      if (!bad.empty()) bad += ", ";
      bad += key;
    }
    Skills[i] = Skill{name.empty() ? DefaultName(i) : name, levelRead ? level : 0, barRead ? bar : 0};
  }
  return bad.empty() ? std::string() : "не прочитаны " + bad;
}

void TdevSkill::FormCreate() {
  filled_ = engine->ImagesPath + "skills_y.bmp";
  empty_ = engine->ImagesPath + "skills_n.bmp";
  const std::string path = engine->GamePath + "skill.pc";
  std::vector<std::string> lines;
  std::string problem;
  if (!platform::LoadLines(path, lines)) {
    problem = "файл не найден";
  } else {
    problem = ReadSkills(lines, engine->Bmax1);
  }
  for (int i = 0; i < kSkills; ++i) DrawRow(i);
  info->Caption = "Шаг навыка стоит " + platform::IntToStr(engine->Bmax2) + " опыта; наибольший уровень - " +
                  platform::IntToStr(engine->Bmax1) + ".";
  if (!problem.empty()) {
    engine->WriteLog("Не удалось прочитать навыки...");
    App().ShowException(std::runtime_error("Файл продвинутых навыков \"skill.pc\" не прочитан (" + problem +
                                           "). Эти навыки начинаются с нуля, игра продолжается"));
  }
}

void TdevSkill::FormShow() {
  // Every row, not only the first: a step or a new start may have changed any.
  for (int i = 0; i < kSkills; ++i) DrawRow(i);
}

void TdevSkill::DrawRow(int i) {
  names[i]->Caption = Skills[i].name;
  levels[i]->Caption = platform::IntToStr(Skills[i].level);
  for (int j = 0; j < 10; ++j) {
    try {
      cells_[i][j]->Picture.LoadFromFile(j < Skills[i].bar ? filled_ : empty_);
    } catch (const ui::EInvalidGraphic&) {
      // Without the cell pictures the level still tells.
    }
  }
}

int TdevSkill::TotalLevels() const {
  // Thirteen levels of up to the highest may together pass the int range.
  int64_t total = 0;
  for (const Skill& s : Skills) total += s.level;
  return static_cast<int>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

void TdevSkill::plusClick(int i) {
  engine->PlayClickSound();
  Skill& skill = Skills[i];
  if (skill.level >= engine->Bmax1) {
    engine->ShowInfoMessage("Навык \"" + skill.name + "\" уже достиг наибольшего уровня!");
    return;
  }
  // Experience is paid like money: the player must have more than the price.
  const auto cost = static_cast<uint32_t>(engine->Bmax2);
  const auto xp = static_cast<uint32_t>(labels::ReadAmount(menu->xp));
  if (xp <= cost) {
    engine->ShowInfoMessage("Недостаточно опыта! Для шага навыка нужно больше " + platform::UIntToStr(cost) +
                            " очков опыта.");
    return;
  }
  engine->Xp = static_cast<int>(xp - cost);
  menu->xp->Caption = labels::Unsigned(engine->Xp);
  if (++skill.bar == 11) {
    skill.bar = 0;
    ++skill.level;
  }
  DrawRow(i);
  engine->WriteLog("Добавление продвинутого навыка...");
}

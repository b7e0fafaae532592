// The advanced-skill table's reader, as the advanced-skills window runs it
// at start-up: each input is the plain text of "skill.pc"; it is scrambled
// line by line into a file as the data packer does, read back as lines, and
// the window reads the thirteen rows from them (descramble, the INI reader,
// the names, levels and bars and their conversions), once with the shipped
// highest level and once with the largest one. Whatever the text, every row
// ends with a name, a level from 0 to the highest and a bar from 0 to 10,
// and the levels add up without overflow; anything else (a crash, a
// sanitizer report, an exception) is a finding.
#include <stdlib.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScrambledFile.h"
#include "development/Devskills.h"
#include "platform/TextFile.h"
#include "ui/Application.h"
#include "ui/HeadlessBackend.h"

namespace {

// The shipped configuration's Bmax1, and the largest a configuration can give.
constexpr int kHighestLevels[] = {5, INT32_MAX};

std::unique_ptr<ui::Application> app;
std::unique_ptr<TdevSkill> window;
// The rows as the window starts them, before any file.
std::array<TdevSkill::Skill, TdevSkill::kSkills> startRows;
std::string rootFolder;
std::string skillPath;

void RemoveFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::string pattern = (std::filesystem::temp_directory_path() / "zx-fuzz-skill-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  rootFolder = pattern;
  std::atexit([] { RemoveFolder(rootFolder); });
  skillPath = rootFolder + "/skill.pc";

  app = std::make_unique<ui::Application>(std::make_unique<ui::HeadlessBackend>());
  // Only built, never created as a form: its creation handler would need the engine.
  window = std::make_unique<TdevSkill>(*app);
  startRows = window->Skills;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteScrambled(skillPath, data, size);
  std::vector<std::string> lines;
  if (!platform::LoadLines(skillPath, lines)) __builtin_trap();

  for (const int highest : kHighestLevels) {
    // Read once at start-up, as in the game: over the start values.
    window->Skills = startRows;
    window->ReadSkills(lines, highest);
    for (const TdevSkill::Skill& skill : window->Skills) {
      if (skill.name.empty() || skill.level < 0 || skill.level > highest || skill.bar < 0 || skill.bar > 10) {
        __builtin_trap();
      }
    }
    if (window->TotalLevels() < 0) __builtin_trap();
  }
  return 0;
}

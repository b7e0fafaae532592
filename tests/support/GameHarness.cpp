#include "support/GameHarness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Startup.h"
#include "engine/Class.h"
#include "engine/Scramble.h"
#include "platform/Cp1251.h"
#include "platform/Launcher.h"
#include "platform/TextFile.h"
#include "support/Png.h"
#include "ui/MessageDialog.h"

namespace fs = std::filesystem;

namespace testing_support {
namespace {

std::string MakeTempFolder() {
  std::string pattern = (fs::temp_directory_path() / "zxtest-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  return pattern;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ModalText(ui::Form& form) {
  if (auto* box = dynamic_cast<ui::MessageDialog*>(&form)) return box->Text()->Caption();
  if (auto* text = GameHarness::find<ui::Label>(&form, "text")) return text->Caption();
  return form.Caption();
}

}  // namespace

void GameHarness::SetConfigValue(const std::string& configPath, const std::string& key, const std::string& value) {
  std::vector<std::string> lines;
  if (!platform::LoadLines(configPath, lines)) throw std::runtime_error("cannot read " + configPath);
  bool found = false;
  for (std::string& line : lines) {
    const std::string plain = platform::Cp1251ToUtf8(ScrambleLine(line, kScrambleKey));
    const size_t eq = plain.find('=');
    if (eq == std::string::npos || plain.substr(0, eq) != key || found) continue;
    line = ScrambleLine(platform::Utf8ToCp1251(key + "=" + value), kScrambleKey);
    found = true;
  }
  if (!found) lines.push_back(ScrambleLine(platform::Utf8ToCp1251(key + "=" + value), kScrambleKey));
  platform::SaveLines(configPath, lines);
}

GameHarness::GameHarness(HarnessOptions options) {
  root_ = MakeTempFolder();
  gameDir_ = root_ + "/game";
  systemDir_ = root_ + "/system";
  fs::create_directories(gameDir_ + "/bin");
  fs::create_directories(systemDir_);
  const fs::path source = ZX_GAME_DIR;
  // The pictures and sounds are shared; the text files are copies a test may change.
  fs::create_directory_symlink(source / "data", gameDir_ + "/data");
  for (const char* file : {"config.pc", "skill.pc", "instruct.pf"}) {
    if (fs::exists(source / file)) fs::copy_file(source / file, gameDir_ + "/" + file);
  }
  for (const auto& [key, value] : options.config) SetConfigValue(gameDir_ + "/config.pc", key, value);
  if (options.prepare) options.prepare(gameDir_);

  if (const char* old = std::getenv("ZENDRIX_SYSTEM_DIR")) hadSystemDir_ = true, savedSystemDir_ = old;
  setenv("ZENDRIX_SYSTEM_DIR", systemDir_.c_str(), 1);
  platform::SetLauncher([this](const std::string& program, const std::vector<std::string>& arguments) {
    launches_.emplace_back(program, arguments);
  });

  auto backend = std::make_unique<ui::HeadlessBackend>();
  backend_ = backend.get();
  app_ = std::make_unique<ui::Application>(std::move(backend));
  input_ = std::make_unique<InputDriver>(*app_, *backend_);
  input_->describe = [](ui::Form& form) { return ModalText(form); };
  app_->Title = kApplicationTitle;
  app_->ExeName = gameDir_ + "/zendrix2";
  app_->OnException = [this](const std::string& message) { exceptions_.push_back(message); };
  CreateAllForms(*app_);
  // The game seeds its dice from the clock in seconds, so a whole test runs on
  // one roll; a car owner's test would then crash on every day of an unlucky
  // second. Tests roll a fixed seed that is no accident unless they set one.
  if (engine != nullptr) engine->Random.SeedSource = [] { return 1u; };
  if (options.showMainMenu && app_->MainForm() != nullptr) app_->MainForm()->Show();
  pump();
}

GameHarness::~GameHarness() {
  shutDown();
  platform::SetLauncher(nullptr);
  if (hadSystemDir_) {
    setenv("ZENDRIX_SYSTEM_DIR", savedSystemDir_.c_str(), 1);
  } else {
    unsetenv("ZENDRIX_SYSTEM_DIR");
  }
  std::error_code ignored;
  fs::remove_all(root_, ignored);
  input_->checkEnd();
}

void GameHarness::shutDown() {
  if (!app_) return;
  app_->Terminate();
  app_->DestroyForms();
  ForgetAllForms();
}

std::vector<std::string> GameHarness::logLines(bool withTimes) const {
  std::vector<std::string> lines;
  const std::string path = systemDir_ + "/ZendrixLog.log";
  platform::LoadLines(path, lines);
  for (std::string& line : lines) {
    line = platform::Cp1251ToUtf8(line);
    if (!withTimes) {
      const size_t at = line.rfind("  -  ");
      if (at != std::string::npos) line.resize(at);
    }
  }
  return lines;
}

std::vector<std::string> GameHarness::sounds() const {
  std::vector<std::string> names;
  for (const std::string& path : backend_->SoundsPlayed()) names.push_back(BaseName(path));
  return names;
}

std::string GameHarness::skinOf(const ui::Image* image) { return BaseName(image->Picture.FileName()); }

bool GameHarness::savePng(ui::Form* form, const std::string& path) { return WritePng(form->Render(), path); }

ui::Control* GameHarness::find(ui::Control* root, const std::string& name) {
  if (root == nullptr) return nullptr;
  if (root->Name() == name) return root;
  for (ui::Control* child : root->Controls()) {
    if (ui::Control* hit = find(child, name)) return hit;
  }
  return nullptr;
}

}  // namespace testing_support

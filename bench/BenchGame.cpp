#include "BenchGame.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <typeinfo>

#include "engine/Class.h"
#include "engine/ConfigKeys.h"
#include "engine/Scramble.h"
#include "engine/Startup.h"
#include "platform/Conversions.h"
#include "platform/Cp1251.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "ui/Form.h"
#include "ui/Image.h"

namespace fs = std::filesystem;

namespace bench {
namespace {

void SetConfigValue(const std::string& path, const std::string& key, const std::string& value) {
  std::vector<std::string> lines;
  if (!platform::LoadLines(path, lines)) throw std::runtime_error("cannot read " + path);
  bool found = false;
  for (std::string& line : lines) {
    const std::string plain = platform::Cp1251ToUtf8(ScrambleLine(line, kScrambleKey));
    const size_t eq = plain.find('=');
    if (found || eq == std::string::npos || !platform::SameText(plain.substr(0, eq), key)) continue;
    line = ScrambleLine(platform::Utf8ToCp1251(key + "=" + value), kScrambleKey);
    found = true;
  }
  if (!found) throw std::runtime_error("no key " + key + " in " + path);
  platform::SaveLines(path, lines);
}

void CollectPictures(ui::Control* control, std::vector<std::string>& out) {
  if (auto* image = dynamic_cast<ui::Image*>(control)) {
    for (int i = 0; i < image->Picture.LoadCount(); ++i) out.push_back(image->Picture.FileName());
  }
  for (ui::Control* child : control->Controls()) CollectPictures(child, out);
}

}  // namespace

ProgramFolder::ProgramFolder(const std::map<std::string, std::string>& config) {
  std::string pattern = (fs::temp_directory_path() / "zx-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  root_ = pattern;
  game_ = root_ + "/game";
  fs::create_directories(game_ + "/bin");
  fs::create_directories(root_ + "/system");
  const fs::path source = ZX_GAME_DIR;
  fs::create_directory_symlink(source / "data", game_ + "/data");
  for (const char* file : {"config.pc", "skill.pc", "instruct.pf"}) {
    if (fs::exists(source / file)) fs::copy_file(source / file, game_ + "/" + file);
  }
  for (const auto& [key, value] : config) SetConfigValue(game_ + "/config.pc", key, value);
  setenv("ZENDRIX_SYSTEM_DIR", (root_ + "/system").c_str(), 1);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

BenchGame::BenchGame(const ProgramFolder& folder, bool showMainMenu) {
  auto backend = std::make_unique<ui::HeadlessBackend>();
  backend_ = backend.get();
  backend_->OnIdle = [this](uint64_t) { onIdle(); };
  app_ = std::make_unique<ui::Application>(std::move(backend));
  app_->Title = kApplicationTitle;
  app_->ExeName = folder.exe();
  app_->OnException = [](const std::string&) {};
  CreateAllForms(*app_);
  if (showMainMenu && app_->MainForm() != nullptr) app_->MainForm()->Show();
  pump();
}

BenchGame::~BenchGame() {
  backend_->OnIdle = nullptr;
  app_->Terminate();
  app_->DestroyForms();
  ForgetAllForms();
}

void BenchGame::onIdle() {
  // A nested loop waits: answer its window with Enter, as a player would.
  ui::Form* modal = app_->PopupWindow() != nullptr ? app_->PopupWindow() : app_->ActiveModal();
  if (modal == nullptr) {
    app_->Terminate();
    return;
  }
  ++answered_;
  if (std::getenv("ZX_BENCH_VERBOSE") != nullptr) std::fprintf(stderr, "window answered: %s\n", typeid(*modal).name());
  ui::Event e;
  e.window = modal->Window();
  e.key = ui::VK_RETURN;
  e.type = ui::Event::Type::KeyDown;
  backend_->Post(e);
  e.type = ui::Event::Type::KeyUp;
  backend_->Post(e);
  app_->ProcessMessages();
  if (!app_->Terminated() && app_->ActiveModal() == modal && modal->Visible && modal->ModalResult() == 0) {
    // Enter did not close it: close it as the desktop would.
    ++closed_;
    modal->Close();
  }
}

void BenchGame::pump() {
  if (!app_->Terminated()) app_->ProcessMessages();
}

void BenchGame::moveTo(ui::Control* control, int x, int y) {
  const ui::Point screen = control->ClientToScreen(ui::Point{x, y});
  ui::Event e;
  e.type = ui::Event::Type::MouseMove;
  e.window = control->ParentForm()->Window();
  backend_->PostAtDesktop(e, screen.x, screen.y);
  pump();
}

void BenchGame::advance(uint64_t ms) {
  const uint64_t target = backend_->Now() + ms;
  pump();
  int spins = 0;
  while (!app_->Terminated()) {
    const uint64_t next = app_->NextDeadline();
    if (next > target) break;
    if (next > backend_->Now()) {
      backend_->SetClock(next);
      spins = 0;
    } else if (++spins > 1000) {
      break;
    }
    pump();
  }
  if (backend_->Now() < target) backend_->SetClock(target);
  pump();
}

std::vector<std::string> PicturesLoaded(ui::Application& app) {
  std::vector<std::string> files;
  for (ui::Form* form : app.Forms()) CollectPictures(form, files);
  return files;
}

void ParseConfiguration(const std::string& configPath, const std::string& plainCopy) {
  std::vector<std::string> lines;
  if (!platform::LoadLines(configPath, lines)) throw std::runtime_error("cannot read " + configPath);
  for (std::string& line : lines) line = ScrambleLine(line, kScrambleKey);
  if (!platform::SaveLines(plainCopy, lines)) throw std::runtime_error("cannot write " + plainCopy);
  const std::vector<std::string> values = platform::IniFile(plainCopy).ReadSectionValues("Game");
  uint32_t numbers = 0;
  bool flags = false;
  size_t texts = 0;
#define ZX_PARSE_Number(name) numbers += static_cast<uint32_t>(platform::StrToInt(platform::ValueOf(values, #name)));
#define ZX_PARSE_Flag(name) flags ^= platform::StrToBool(platform::ValueOf(values, #name));
#define ZX_PARSE_NumberFlag(name) flags ^= platform::StrToInt(platform::ValueOf(values, #name)) != 0;
#define ZX_PARSE_Text(name) texts += platform::ValueOf(values, #name).size();
#define ZX_PARSE_KEY(name, kind) ZX_PARSE_##kind(name)
#define ZX_PARSE_STEP(step)
  ZX_CONFIG_KEYS(ZX_PARSE_KEY, ZX_PARSE_STEP)
#undef ZX_PARSE_Number
#undef ZX_PARSE_Flag
#undef ZX_PARSE_NumberFlag
#undef ZX_PARSE_Text
#undef ZX_PARSE_KEY
#undef ZX_PARSE_STEP
  platform::DeleteFile(plainCopy);
  volatile size_t sink = static_cast<size_t>(numbers) + flags + texts;
  (void)sink;
}

double Fastest(const std::vector<double>& values) {
  return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

}  // namespace bench

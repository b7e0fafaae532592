#include "BenchGame.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <typeinfo>

#include "Startup.h"
#include "engine/Class.h"
#include "engine/Scramble.h"
#include "platform/Conversions.h"
#include "platform/Cp1251.h"
#include "platform/TextFile.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/SdlBackend.h"
#include "ui/Timer.h"

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

}  // namespace

std::string LastingPath(const std::string& file) {
  std::error_code error;
  const fs::path real = fs::canonical(file, error);
  return error ? file : real.string();
}

namespace {

void CollectPictures(ui::Control* control, std::vector<std::string>& out) {
  if (auto* image = dynamic_cast<ui::Image*>(control)) {
    for (int i = 0; i < image->Picture.LoadCount(); ++i) out.push_back(LastingPath(image->Picture.FileName()));
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

BenchGame::BenchGame(const ProgramFolder& folder, bool showMainMenu, Backend kind) {
  std::unique_ptr<ui::Backend> backend;
  if (kind == Backend::Headless) {
    auto virtualMachine = std::make_unique<ui::HeadlessBackend>();
    headless_ = virtualMachine.get();
    headless_->OnIdle = [this](uint64_t) { onIdle(); };
    backend = std::move(virtualMachine);
  } else {
    backend = std::make_unique<ui::SdlBackend>();
  }
  app_ = std::make_unique<ui::Application>(std::move(backend));
  app_->Title = kApplicationTitle;
  app_->ExeName = folder.exe();
  app_->OnException = [](const std::string&) {};
  CreateAllForms(*app_);
  if (headless_ == nullptr && !app_->Forms().empty()) {
    // No one at the keyboard: a window that waits for an answer is closed.
    closer_ = new ui::Timer(app_->Forms().front());
    closer_->Interval = 20;
    closer_->OnTimer = [this](ui::Control&) { closeModal(); };
    closer_->Enabled = true;
  }
  if (showMainMenu && app_->MainForm() != nullptr) app_->MainForm()->Show();
  pump();
}

BenchGame::~BenchGame() {
  if (headless_ != nullptr) headless_->OnIdle = nullptr;
  app_->Terminate();
  app_->DestroyForms();
  ForgetAllForms();
}

void BenchGame::stopClosingModals() {
  if (closer_ != nullptr) closer_->Enabled = false;
}

void BenchGame::closeModal() {
  ui::Form* modal = app_->PopupWindow() != nullptr ? app_->PopupWindow() : app_->ActiveModal();
  if (modal == nullptr) return;
  ++closed_;
  if (std::getenv("ZX_BENCH_VERBOSE") != nullptr) std::fprintf(stderr, "window closed: %s\n", typeid(*modal).name());
  modal->Close();
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
  headless_->Post(e);
  e.type = ui::Event::Type::KeyUp;
  headless_->Post(e);
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
  ui::Form* form = control->ParentForm();
  if (headless_ != nullptr) {
    ui::Event e;
    e.type = ui::Event::Type::MouseMove;
    e.window = form->Window();
    headless_->PostAtDesktop(e, screen.x, screen.y);
  } else {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = SdlWindowOf(form);
    e.motion.x = screen.x - form->Left();
    e.motion.y = screen.y - form->Top();
    SDL_PushEvent(&e);
  }
  pump();
}

uint32_t SdlWindowOf(ui::Form* form) {
  // The shown SDL window at the form's place and of its size.
  for (uint32_t id = 1; id < 1000; ++id) {
    SDL_Window* w = SDL_GetWindowFromID(id);
    if (w == nullptr || (SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN) == 0) continue;
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(w, &x, &y);
    SDL_GetWindowSize(w, &width, &height);
    if (x == form->Left() && y == form->Top() && width == form->Width() && height == form->Height()) return id;
  }
  return 0;
}

void BenchGame::advance(uint64_t ms) {
  if (headless_ == nullptr) return;
  const uint64_t target = headless_->Now() + ms;
  pump();
  int spins = 0;
  while (!app_->Terminated()) {
    const uint64_t next = app_->NextDeadline();
    if (next > target) break;
    if (next > headless_->Now()) {
      headless_->SetClock(next);
      spins = 0;
    } else if (++spins > 1000) {
      break;
    }
    pump();
  }
  if (headless_->Now() < target) headless_->SetClock(target);
  pump();
}

std::vector<std::string> PicturesLoaded(ui::Application& app) {
  std::vector<std::string> files;
  for (ui::Form* form : app.Forms()) CollectPictures(form, files);
  return files;
}

double Fastest(const std::vector<double>& values) {
  return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

}  // namespace bench

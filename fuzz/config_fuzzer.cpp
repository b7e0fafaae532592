// The engine's configuration loading, as at start-up: each input is the
// plain text of a configuration; it is scrambled line by line into
// "config.pc" of a temporary program folder, and the engine form's creation
// handler reads it back (descramble, the plain copy in the system folder, the
// INI reader, the 180 keys and their conversions). A missing key or a value
// that does not convert ends the loading with an exception, as it does in the
// game; anything else (a crash, a sanitizer report, another kind of
// exception) is a finding.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "ScrambledFile.h"
#include "engine/Class.h"
#include "ui/Application.h"
#include "ui/HeadlessBackend.h"

namespace {

std::unique_ptr<ui::Application> app;
std::string configPath;

std::string MakeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zx-fuzz-config-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  return pattern;
}

void RemoveFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

std::string rootFolder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  rootFolder = MakeTempFolder();
  std::atexit([] { RemoveFolder(rootFolder); });
  const std::string game = rootFolder + "/game";
  std::filesystem::create_directories(game);
  std::filesystem::create_directories(rootFolder + "/system");
  setenv("ZENDRIX_SYSTEM_DIR", (rootFolder + "/system").c_str(), 1);
  configPath = game + "/config.pc";

  app = std::make_unique<ui::Application>(std::make_unique<ui::HeadlessBackend>());
  app->ExeName = game + "/zendrix2";
  app->OnException = [](const std::string&) {};  // no configuration yet: the load fails quietly
  app->CreateForm(engine);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteScrambled(configPath, data, size);
  try {
    engine->FormCreate();
  } catch (const std::runtime_error&) {
    // The loader's own failures: a file it cannot open or create, a value
    // that does not convert (platform::EConvertError).
  }
  return 0;
}

// Зендрикс 2: the program's entry point.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "Program.h"
#include "platform/SystemFolder.h"
#include "ui/SdlBackend.h"

namespace {

void Usage() {
  std::puts(
      "Usage: zendrix2 [--headless [MILLISECONDS]]\n"
      "  --headless   run without a display or sound card on a virtual clock;\n"
      "               the run ends after MILLISECONDS of game time (default 10000)\n"
      "               or when nothing more can happen. Error reports go to the\n"
      "               standard error, and the exit status is 1 if there was one.");
}

}  // namespace

int main(int argc, char** argv) {
  bool headless = false;
  long long headlessMs = 10000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--headless") == 0) {
      headless = true;
      if (i + 1 < argc && argv[i + 1][0] != '-') headlessMs = std::atoll(argv[++i]);
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      Usage();
      return 0;
    } else {
      std::fprintf(stderr, "zendrix2: unknown option %s\n", argv[i]);
      Usage();
      return 2;
    }
  }
  if (const char* env = std::getenv("ZENDRIX_HEADLESS"); env != nullptr && *env != '\0' && *env != '0') {
    headless = true;
  }

  // The log and the plain copy of the configuration need a folder of the
  // player's: without one the game does not start.
  if (platform::GetSystemDirectoryA().empty()) {
    std::fputs(
        "zendrix2: игре негде вести журнал: папка ~/.local/state/zendrix2 не подходит или ее нельзя создать,\n"
        "          а личную временную папку сделать не удалось (ни в TMPDIR, ни в /tmp).\n"
        "          Укажите папку для журнала в переменной ZENDRIX_SYSTEM_DIR.\n"
        "zendrix2: the game has nowhere to keep its log: ~/.local/state/zendrix2 will not do or cannot be made,\n"
        "          and no private temporary folder could be made (in TMPDIR or in /tmp).\n"
        "          Name a folder for the log in the variable ZENDRIX_SYSTEM_DIR.\n",
        stderr);
    return 1;
  }

  std::unique_ptr<ui::Backend> backend;
  try {
    backend = ui::MakeBackend(headless);
  } catch (const std::exception& e) {
    std::fprintf(stderr,
                 "zendrix2: %s\n"
                 "The game needs a graphical desktop (an X11 or Wayland display). Start it from a desktop session,\n"
                 "or run it without a display with --headless.\n",
                 e.what());
    return 1;
  }

  GameRun run;
  run.exeName = platform::ExecutablePath(argv[0]);
  run.headlessMs = static_cast<uint64_t>(headlessMs > 0 ? headlessMs : 0);
  return RunGame(std::move(backend), run, std::cerr);
}

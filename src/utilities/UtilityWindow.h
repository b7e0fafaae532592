#pragma once
// What the game's small utilities share: a window in the game's look (black,
// navy title strip, close label) and a main that runs one such window on the
// SDL backend, or with --headless prints the window's texts and ends.
#include <functional>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"

namespace utility {

class Window : public ui::Form {
 public:
  Window(ui::Application& app, const std::string& title, int width, int height);

  ui::Label* top;
  ui::Label* close;

  ui::Label* AddLabel(int left, int top, const std::string& caption, int width = 0);
  ui::Button* AddButton(int left, int top, int width, const std::string& caption);
  // The "Закрыть" button that closes the window.
  ui::Button* AddCloseButton(int left, int top);
  // A read-only text box, white on black, scrolled up and down.
  ui::Memo* AddMemo(const char* name, int left, int top, int width, int height);
};

// The folder of the running program, with a trailing '/'.
std::string ProgramFolder();

// Builds the window with the command-line arguments (options removed) and
// runs it. Returns the process's exit code.
int Run(int argc, char** argv, const std::string& title,
        const std::function<Window*(ui::Application&, const std::vector<std::string>&)>& build);

// Runs the one window of type W, which takes no arguments.
template <typename W>
int Run(int argc, char** argv, const std::string& title) {
  return Run(argc, argv, title, [](ui::Application& app, const std::vector<std::string>&) -> Window* {
    W* window = nullptr;
    app.CreateForm(window);
    return window;
  });
}

}  // namespace utility

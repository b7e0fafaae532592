#include "utilities/UtilityWindow.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "platform/SystemFolder.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/SdlBackend.h"

namespace utility {

Window::Window(ui::Application& app, const std::string& title, int width, int height) : ui::Form(app) {
  SetClientSize(width, height);
  Color = ui::clBlack;
  Font.Name = "Verdana";
  Font.Size = 13;
  Font.Color = ui::clWhite;
  Caption = title;

  top = new ui::Label(this);
  top->Name = "top";
  top->AutoSize = false;
  top->Align = ui::Align::Top;
  top->Height = 16;
  top->Color = ui::clNavy;
  top->Alignment = ui::Alignment::Center;
  top->Caption = title;
  auto drag = [this](ui::Control& c, ui::MouseButton b, ui::ShiftState, int x, int y) {
    if (b != ui::MouseButton::Left) return;
    const ui::Point screen = c.ClientToScreen(ui::Point{x, y});
    BeginDrag(ui::Point{screen.x - Left, screen.y - Top});
  };
  top->OnMouseDown = drag;
  OnMouseDown = drag;

  close = new ui::Label(this);
  close->Name = "close";
  close->Transparent = true;
  close->Font.Style = ui::fsBold;
  close->Caption = "X";
  close->Left = width - close->Width - 6;
  close->Top = 0;
  close->Hint = "Закрыть";
  close->OnClick = [this](ui::Control&) { Close(); };
}

ui::Label* Window::AddLabel(int left, int labelTop, const std::string& caption, int width) {
  auto* label = new ui::Label(this);
  label->Transparent = true;
  label->Left = left;
  label->Top = labelTop;
  if (width > 0) {
    label->AutoSize = false;
    label->WordWrap = true;
    label->Width = width;
    label->AutoSize = true;
  }
  label->Caption = caption;
  return label;
}

ui::Button* Window::AddButton(int left, int buttonTop, int width, const std::string& caption) {
  auto* button = new ui::Button(this);
  button->SetBounds(left, buttonTop, width, 25);
  button->Caption = caption;
  button->Font.Color = ui::clBlack;
  return button;
}

ui::Button* Window::AddCloseButton(int left, int buttonTop) {
  ui::Button* done = AddButton(left, buttonTop, 120, "Закрыть");
  done->OnClick = [this](ui::Control&) { Close(); };
  return done;
}

ui::Memo* Window::AddMemo(const char* name, int left, int memoTop, int width, int height) {
  auto* memo = new ui::Memo(this);
  memo->Name = name;
  memo->SetBounds(left, memoTop, width, height);
  memo->Color = ui::clBlack;
  memo->Font.Color = ui::clWhite;
  memo->ScrollBars = ui::ScrollStyle::Vertical;
  return memo;
}

std::string ProgramFolder() {
  const std::string path = platform::ExecutablePath(nullptr);
  if (path.empty()) return "./";
  return path.substr(0, path.find_last_of('/') + 1);
}

namespace {

// Every text the window shows, in the order of its controls.
void PrintTexts(const ui::Control* control) {
  if (const auto* memo = dynamic_cast<const ui::Memo*>(control)) {
    std::cout << memo->Text() << "\n";
  } else if (const auto* edit = dynamic_cast<const ui::Edit*>(control)) {
    std::cout << edit->Text() << "\n";
  } else if (const auto* list = dynamic_cast<const ui::ListBox*>(control)) {
    for (int i = 0; i < list->Items.Count(); ++i) {
      std::cout << (i == list->ItemIndex ? "> " : "  ") << list->Items[i] << "\n";
    }
  } else if (!control->Caption().empty() && control->Visible) {
    std::cout << control->Caption() << "\n";
  }
  for (const ui::Control* child : control->Controls()) PrintTexts(child);
}

}  // namespace

int Run(int argc, char** argv, const std::string& title,
        const std::function<Window*(ui::Application&, const std::vector<std::string>&)>& build) {
  bool headless = false;
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--headless") == 0) {
      headless = true;
    } else {
      arguments.emplace_back(argv[i]);
    }
  }
  std::unique_ptr<ui::Backend> backend;
  try {
    backend = ui::MakeBackend(headless);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\nRun it from a desktop session, or with --headless to print its texts.\n",
                 title.c_str(), e.what());
    return 1;
  }
  try {
    ui::Application app(std::move(backend));
    app.Title = title;
    app.ExeName = ProgramFolder();
    Window* window = build(app, arguments);
    if (headless) {
      PrintTexts(window);
      app.Terminate();
      app.DestroyForms();
      return 0;
    }
    window->Show();
    app.Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), e.what());
    return 1;
  }
  return 0;
}

}  // namespace utility

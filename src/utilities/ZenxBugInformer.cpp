// Zendrix Bug Informer: where the game's log lies, its last lines, and its
// path on the clipboard for a bug report.
#include <SDL.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Cp1251.h"
#include "platform/SystemFolder.h"
#include "platform/TextFile.h"
#include "ui/Edit.h"
#include "ui/Memo.h"
#include "utilities/UtilityWindow.h"

namespace {

class BugWindow : public utility::Window {
 public:
  explicit BugWindow(ui::Application& app) : utility::Window(app, "Zendrix Bug Informer", 520, 330) {
    const std::string path = platform::GetSystemDirectoryA() + "/ZendrixLog.log";
    AddLabel(12, 28,
             "Если Вы нашли ошибку или недочет, опишите, что Вы делали, и приложите к сообщению журнал игры:", 496);
    where = new ui::Edit(this);
    where->Name = "where";
    where->SetBounds(12, 66, 496, 21);
    where->ReadOnly = true;
    where->Text = path;
    where->Color = ui::Color{0, 2, 79};
    where->Font.Color = ui::clWhite;

    std::vector<std::string> lines;
    const bool found = platform::LoadLines(path, lines);
    state = AddLabel(12, 94,
                     found ? "Последние строки журнала (" + std::to_string(lines.size()) + " всего):"
                           : "Журнала пока нет: он появится, когда Вы начнете игру.");
    last = AddMemo("last", 12, 114, 496, 170);
    last->Font.Size = 11;
    std::string tail;
    for (size_t i = lines.size() > 12 ? lines.size() - 12 : 0; i < lines.size(); ++i) {
      tail += platform::Cp1251ToUtf8(lines[i]) + "\r\n";
    }
    last->Text = tail;

    copy = AddButton(12, 294, 200, "Скопировать путь");
    copy->OnClick = [this, path](ui::Control&) {
      const bool copied = SDL_SetClipboardText(path.c_str()) == 0;
      state->Caption = copied ? "Путь к журналу скопирован в буфер обмена." : "Не удалось скопировать путь.";
    };
    AddCloseButton(388, 294);
  }

  ui::Edit* where;
  ui::Label* state;
  ui::Memo* last;
  ui::Button* copy;
};

}  // namespace

int main(int argc, char** argv) { return utility::Run<BugWindow>(argc, argv, "Zendrix Bug Informer"); }

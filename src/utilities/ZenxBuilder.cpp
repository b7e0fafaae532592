// Zendrix Builder: checks that every file the game needs is in its folder.
// The game itself is built from its sources; nothing is compiled here.
#include <filesystem>
#include <string>
#include <vector>

#include "ui/Memo.h"
#include "utilities/UtilityWindow.h"

namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {
    "zendrix2",
    "config.pc",
    "skill.pc",
    "instruct.pf",
    "ZenxInfo",
    "bin/ZenxBugInformer",
    "bin/ZenxUpdater",
    "data/images/zenx.jpg",
    "data/images/ques_fon.bmp",
    "data/images/infor_logo.jpg",
    "data/buttons/main_1.jpg",
    "data/buttons/menu_1.jpg",
    "data/buttons/case_1.jpg",
    "data/buttons/mes_1.jpg",
    "data/sounds/click.wav",
    "data/sounds/close.wav",
    "data/sounds/mes.wav",
};

class BuilderWindow : public utility::Window {
 public:
  explicit BuilderWindow(ui::Application& app) : utility::Window(app, "Zendrix Builder", 480, 360) {
    // This program lies in the game's "bin" folder.
    const fs::path game = fs::path(utility::ProgramFolder()).parent_path().parent_path();
    AddLabel(12, 26,
             "Эта версия игры собирается из исходных текстов (cmake и ninja); картинки, звуки и настройки "
             "создаются при сборке. Здесь можно проверить, что все файлы игры на месте:",
             456);
    report = AddMemo("report", 12, 96, 456, 224);
    std::string list;
    int missing = 0;
    for (const char* file : kFiles) {
      const bool there = fs::exists(game / file);
      missing += there ? 0 : 1;
      list += std::string(there ? "есть  " : "НЕТ   ") + file + "\r\n";
    }
    const std::string text =
        "Папка игры: " + game.string() + "\r\n" +
        (missing == 0 ? std::string("Все файлы на месте.")
                      : "Не хватает файлов: " + std::to_string(missing) + ". Соберите игру заново.") +
        "\r\n\r\n" + list;
    report->Text = text;
    AddCloseButton(348, 328);
  }

  ui::Memo* report;
};

}  // namespace

int main(int argc, char** argv) { return utility::Run<BuilderWindow>(argc, argv, "Zendrix Builder"); }

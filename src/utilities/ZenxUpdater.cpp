// Zendrix Updater: the installed version. It never goes on the network.
#include <string>
#include <vector>

#include "utilities/UtilityWindow.h"

namespace {

class UpdaterWindow : public utility::Window {
 public:
  explicit UpdaterWindow(ui::Application& app) : utility::Window(app, "Zendrix Updater", 400, 170) {
    AddLabel(12, 30, "Установленная версия: 2.0");
    AddLabel(12, 58,
             "Обновление через Интернет в этой версии не работает: программа не выходит в сеть. Новая версия "
             "ставится заново из ее исходных текстов.",
             376);
    AddCloseButton(268, 136);
  }
};

}  // namespace

int main(int argc, char** argv) { return utility::Run<UpdaterWindow>(argc, argv, "Zendrix Updater"); }

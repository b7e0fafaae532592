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
    auto* done = AddButton(268, 136, 120, "Закрыть");
    done->OnClick = [this](ui::Control&) { Close(); };
  }
};

}  // namespace

int main(int argc, char** argv) {
  return utility::Run(argc, argv, "Zendrix Updater", [](ui::Application& app, const std::vector<std::string>&) {
    UpdaterWindow* window = nullptr;
    app.CreateForm(window);
    return window;
  });
}

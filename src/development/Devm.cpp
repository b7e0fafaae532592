#include "development/Devm.h"

Tdevmenu* devmenu = nullptr;

Tdevmenu::Tdevmenu(ui::Application& app) : ui::Form(app) {
}

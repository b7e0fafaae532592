#include "software/Gameshop.h"

Tgameshop* gameshop = nullptr;

Tgameshop::Tgameshop(ui::Application& app) : ui::Form(app) {
}

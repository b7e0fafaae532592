#include "development/Gamesel.h"

Tgameset* gameset = nullptr;

Tgameset::Tgameset(ui::Application& app) : ui::Form(app) {}

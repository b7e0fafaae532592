#include "development/Devgame.h"

TgameDev* gameDev = nullptr;

TgameDev::TgameDev(ui::Application& app) : ui::Form(app) {}

#include "software/Game.h"

Tgames* games = nullptr;

Tgames::Tgames(ui::Application& app) : ui::Form(app) {
}

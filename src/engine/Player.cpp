#include "engine/Player.h"

Tinit* init = nullptr;

Tinit::Tinit(ui::Application& app) : ui::Form(app) {
}

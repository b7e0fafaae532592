#include "city/Home.h"

Thome* home = nullptr;

Thome::Thome(ui::Application& app) : ui::Form(app) {
}

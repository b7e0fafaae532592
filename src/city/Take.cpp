#include "city/Take.h"

Ttake* take = nullptr;

Ttake::Ttake(ui::Application& app) : ui::Form(app) {}

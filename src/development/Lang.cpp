#include "development/Lang.h"

Tlangset* langset = nullptr;

Tlangset::Tlangset(ui::Application& app) : ui::Form(app) {}

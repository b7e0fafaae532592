#include "development/Ent.h"

Tenter* enter = nullptr;

Tenter::Tenter(ui::Application& app) : ui::Form(app) {}

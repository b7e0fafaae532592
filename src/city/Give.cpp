#include "city/Give.h"

Tgive* give = nullptr;

Tgive::Tgive(ui::Application& app) : ui::Form(app) {}

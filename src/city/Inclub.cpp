#include "city/Inclub.h"

Tinclub* inclub = nullptr;

Tinclub::Tinclub(ui::Application& app) : ui::Form(app) {}

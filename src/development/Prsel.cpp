#include "development/Prsel.h"

Tprset* prset = nullptr;

Tprset::Tprset(ui::Application& app) : ui::Form(app) {}

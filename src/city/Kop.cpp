#include "city/Kop.h"

Tkop* kop = nullptr;

Tkop::Tkop(ui::Application& app) : ui::Form(app) {}

#include "development/Sitebazar.h"

TsBazar* sBazar = nullptr;

TsBazar::TsBazar(ui::Application& app) : ui::Form(app) {}

#include "software/Ssel.h"

Tsoftsel* softsel = nullptr;

Tsoftsel::Tsoftsel(ui::Application& app) : ui::Form(app) {
}

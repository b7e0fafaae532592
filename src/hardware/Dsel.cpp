#include "hardware/Dsel.h"

Tdevsel* devsel = nullptr;

Tdevsel::Tdevsel(ui::Application& app) : ui::Form(app) {
}

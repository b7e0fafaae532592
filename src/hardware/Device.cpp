#include "hardware/Device.h"

Tdevset* devset = nullptr;

Tdevset::Tdevset(ui::Application& app) : ui::Form(app) {
}

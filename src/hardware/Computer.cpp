#include "hardware/Computer.h"

Tcomp* comp = nullptr;

Tcomp::Tcomp(ui::Application& app) : ui::Form(app) {
}

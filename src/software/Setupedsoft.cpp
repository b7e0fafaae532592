#include "software/Setupedsoft.h"

Tssoft* ssoft = nullptr;

Tssoft::Tssoft(ui::Application& app) : ui::Form(app) {
}

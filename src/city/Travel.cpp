#include "city/Travel.h"

Ttravel* travel = nullptr;

Ttravel::Ttravel(ui::Application& app) : ui::Form(app) {
}

#include "software/Osshop.h"

Tosshop* osshop = nullptr;

Tosshop::Tosshop(ui::Application& app) : ui::Form(app) {
}

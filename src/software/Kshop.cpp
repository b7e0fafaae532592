#include "software/Kshop.h"

Tkshop* kshop = nullptr;

Tkshop::Tkshop(ui::Application& app) : ui::Form(app) {
}

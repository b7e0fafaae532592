#include "software/Textshop.h"

Ttextshop* textshop = nullptr;

Ttextshop::Ttextshop(ui::Application& app) : ui::Form(app) {
}

#include "city/Avpath.h"

Tavpath* avpath = nullptr;

Tavpath::Tavpath(ui::Application& app) : ui::Form(app) {
}

#include "city/Cbuy.h"

Tcbuy* cbuy = nullptr;

Tcbuy::Tcbuy(ui::Application& app) : ui::Form(app) {}

#include "development/Sgbuy.h"

TssgBuy* ssgBuy = nullptr;

TssgBuy::TssgBuy(ui::Application& app) : ui::Form(app) {}

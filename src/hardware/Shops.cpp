#include "hardware/Shops.h"

Tmbshop* mbshop = nullptr;

Tmbshop::Tmbshop(ui::Application& app) : ui::Form(app) {
}

Tmbshop2* mbshop2 = nullptr;

Tmbshop2::Tmbshop2(ui::Application& app) : ui::Form(app) {
}

Tprshop* prshop = nullptr;

Tprshop::Tprshop(ui::Application& app) : ui::Form(app) {
}

Tprshop2* prshop2 = nullptr;

Tprshop2::Tprshop2(ui::Application& app) : ui::Form(app) {
}

Trshop* rshop = nullptr;

Trshop::Trshop(ui::Application& app) : ui::Form(app) {
}

Tvshop* vshop = nullptr;

Tvshop::Tvshop(ui::Application& app) : ui::Form(app) {
}

Tvshop2* vshop2 = nullptr;

Tvshop2::Tvshop2(ui::Application& app) : ui::Form(app) {
}

Thshop* hshop = nullptr;

Thshop::Thshop(ui::Application& app) : ui::Form(app) {
}

Tmdshop* mdshop = nullptr;

Tmdshop::Tmdshop(ui::Application& app) : ui::Form(app) {
}

Tmnshop* mnshop = nullptr;

Tmnshop::Tmnshop(ui::Application& app) : ui::Form(app) {
}

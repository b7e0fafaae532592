#include "city/Setka.h"

Tsetka* setka = nullptr;

Tsetka::Tsetka(ui::Application& app) : ui::Form(app) {
}

#include "city/Ksalon.h"

Tksalon* ksalon = nullptr;

Tksalon::Tksalon(ui::Application& app) : ui::Form(app) {
}

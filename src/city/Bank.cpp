#include "city/Bank.h"

Tbank* bank = nullptr;

Tbank::Tbank(ui::Application& app) : ui::Form(app) {
}

#include "city/Devkomp.h"

Tdevkomp* devkomp = nullptr;

Tdevkomp::Tdevkomp(ui::Application& app) : ui::Form(app) {
}

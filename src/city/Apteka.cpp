#include "city/Apteka.h"

Tapteka* apteka = nullptr;

Tapteka::Tapteka(ui::Application& app) : ui::Form(app) {
}

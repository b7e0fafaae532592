#include "city/Lines.h"

Tlines* lines = nullptr;

Tlines::Tlines(ui::Application& app) : ui::Form(app) {
}

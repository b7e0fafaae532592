#include "engine/Inf.h"

Tinfor* infor = nullptr;

Tinfor::Tinfor(ui::Application& app) : ui::Form(app) {
}

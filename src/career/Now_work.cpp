#include "career/Now_work.h"

Tnwork* nwork = nullptr;

Tnwork::Tnwork(ui::Application& app) : ui::Form(app) {
}

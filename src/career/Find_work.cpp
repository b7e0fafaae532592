#include "career/Find_work.h"

Tfwork* fwork = nullptr;

Tfwork::Tfwork(ui::Application& app) : ui::Form(app) {
}

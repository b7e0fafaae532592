#include "career/Study_level.h"

Tteach_lev* teach_lev = nullptr;

Tteach_lev::Tteach_lev(ui::Application& app) : ui::Form(app) {
}

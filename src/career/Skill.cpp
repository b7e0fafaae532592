#include "career/Skill.h"

Tskills* skills = nullptr;

Tskills::Tskills(ui::Application& app) : ui::Form(app) {
}

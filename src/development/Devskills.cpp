#include "development/Devskills.h"

TdevSkill* devSkill = nullptr;

TdevSkill::TdevSkill(ui::Application& app) : ui::Form(app) {}

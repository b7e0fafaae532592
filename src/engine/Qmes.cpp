#include "engine/Qmes.h"

Tques* ques = nullptr;

Tques::Tques(ui::Application& app) : ui::Form(app) {
}

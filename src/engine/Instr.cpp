#include "engine/Instr.h"

Tinst* inst = nullptr;

Tinst::Tinst(ui::Application& app) : ui::Form(app) {
}

#include "software/Soft.h"

Tsoftset* softset = nullptr;

Tsoftset::Tsoftset(ui::Application& app) : ui::Form(app) {
}

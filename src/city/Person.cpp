#include "city/Person.h"

Tperson* person = nullptr;

Tperson::Tperson(ui::Application& app) : ui::Form(app) {
}

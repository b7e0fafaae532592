#include "city/Takek.h"

Ttakek* takek = nullptr;

Ttakek::Ttakek(ui::Application& app) : ui::Form(app) {}

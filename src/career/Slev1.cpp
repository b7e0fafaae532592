#include "career/Slev1.h"

Tstudy1* study1 = nullptr;

Tstudy1::Tstudy1(ui::Application& app) : ui::Form(app) {}

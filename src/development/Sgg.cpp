#include "development/Sgg.h"

Tsggenre* sggenre = nullptr;

Tsggenre::Tsggenre(ui::Application& app) : ui::Form(app) {}

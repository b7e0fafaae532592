#include "development/Ibrowser.h"

Tbrowser* browser = nullptr;

Tbrowser::Tbrowser(ui::Application& app) : ui::Form(app) {}

#include "development/Progress.h"

TdevProgress* devProgress = nullptr;

TdevProgress::TdevProgress(ui::Application& app) : ui::Form(app) {}

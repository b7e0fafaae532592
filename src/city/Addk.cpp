#include "city/Addk.h"

Taddk* addk = nullptr;

Taddk::Taddk(ui::Application& app) : ui::Form(app) {}

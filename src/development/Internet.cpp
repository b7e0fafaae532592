#include "development/Internet.h"

Tinet* inet = nullptr;

Tinet::Tinet(ui::Application& app) : ui::Form(app) {
}

#include "software/Osshop.h"

#include "engine/Class.h"

Tosshop* osshop = nullptr;

Tosshop::Tosshop(ui::Application& app) : SoftDepartment(app, "Отдел операционных систем", "ос", 4) {
  home = AddItem("home", homel, engine->Os1, engine->Os1c, false);
  pro = AddItem("pro", prol, engine->Os2, engine->Os2c, false);
  basic = AddItem("basic", basicl, engine->Os3, engine->Os3c, true);
  ult = AddItem("ult", ultl, engine->Os4, engine->Os4c, true);
}

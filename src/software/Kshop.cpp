#include "software/Kshop.h"

#include "engine/Class.h"

Tkshop* kshop = nullptr;

Tkshop::Tkshop(ui::Application& app) : SoftDepartment(app, "Отдел компиляторов", "компилятор", 6) {
  bcb = AddItem("bcb", bcbl, engine->Kcpp1, engine->Kcpp1c, false);
  ms = AddItem("ms", msl, engine->Kcpp2, engine->Kcpp2c, true);
  tp = AddItem("tp", tpl, engine->Kpas1, engine->Kpas1c, false);
  del = AddItem("del", dell, engine->Kpas2, engine->Kpas2c, true);
  php4 = AddItem("php4", php4l, engine->Kphp1, engine->Kphp1c, false);
  php5 = AddItem("php5", php5l, engine->Kphp2, engine->Kphp2c, true);
}

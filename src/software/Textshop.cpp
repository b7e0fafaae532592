#include "software/Textshop.h"

#include "engine/Class.h"

Ttextshop* textshop = nullptr;

Ttextshop::Ttextshop(ui::Application& app) : SoftDepartment(app, "Отдел офисных пакетов", "офис", 3) {
  star = AddItem("star", starl, engine->Of1, engine->Of1c, false);
  open = AddItem("open", openl, engine->Of2, engine->Of2c, true);
  ms = AddItem("ms", msl, engine->Of3, engine->Of3c, true);
}

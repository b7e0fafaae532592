#include "software/Textshop.h"

#include "engine/Class.h"

Ttextshop* textshop = nullptr;

namespace {
const SoftDepartmentDesign kTextshop{"Отдел офисных пакетов",
                                     "офис",
                                     3,
                                     {{{"star", &Tzenx::Of1, &Tzenx::Of1c, 0, true},
                                       {"open", &Tzenx::Of2, &Tzenx::Of2c, 0, false},
                                       {"ms", &Tzenx::Of3, &Tzenx::Of3c, 0, false}}}};
}  // namespace

Ttextshop::Ttextshop(ui::Application& app) : SoftDepartment(app, kTextshop) {}

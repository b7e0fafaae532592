#include "software/Osshop.h"

#include "engine/Class.h"

Tosshop* osshop = nullptr;

namespace {
const SoftDepartmentDesign kOsshop{"Отдел операционных систем",
                                   "ос",
                                   4,
                                   {{{"home", &Tzenx::Os1, &Tzenx::Os1c, 0, true},
                                     {"pro", &Tzenx::Os2, &Tzenx::Os2c, 0, true},
                                     {"basic", &Tzenx::Os3, &Tzenx::Os3c, 0, false},
                                     {"ult", &Tzenx::Os4, &Tzenx::Os4c, 0, false}}}};
}  // namespace

Tosshop::Tosshop(ui::Application& app) : SoftDepartment(app, kOsshop) {}

#include "software/Kshop.h"

#include "engine/Class.h"

Tkshop* kshop = nullptr;

namespace {
const SoftDepartmentDesign kKshop{"Отдел компиляторов",
                                  "компилятор",
                                  6,
                                  {{{"bcb", &Tzenx::Kcpp1, &Tzenx::Kcpp1c, 0, true},
                                    {"ms", &Tzenx::Kcpp2, &Tzenx::Kcpp2c, 0, false},
                                    {"tp", &Tzenx::Kpas1, &Tzenx::Kpas1c, 0, true},
                                    {"del", &Tzenx::Kpas2, &Tzenx::Kpas2c, 0, false},
                                    {"php4", &Tzenx::Kphp1, &Tzenx::Kphp1c, 0, true},
                                    {"php5", &Tzenx::Kphp2, &Tzenx::Kphp2c, 0, false}}}};
}  // namespace

Tkshop::Tkshop(ui::Application& app) : SoftDepartment(app, kKshop) {}

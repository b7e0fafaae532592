#include "career/Slev1.h"

Tstudy1* study1 = nullptr;

Tstudy1::Tstudy1(ui::Application& app) : Tprofiles(app, 1, ProfilesOfLevel(1)) {}

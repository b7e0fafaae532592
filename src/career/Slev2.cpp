#include "career/Slev2.h"

Tstudy2* study2 = nullptr;

Tstudy2::Tstudy2(ui::Application& app) : Tprofiles(app, 2, ProfilesOfLevel(2)) {}

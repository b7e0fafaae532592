#pragma once
// The university's first level: three courses of eleven ticks each.
#include "career/Profiles.h"

class Tstudy1 : public Tprofiles {
 public:
  explicit Tstudy1(ui::Application& app);
};

extern Tstudy1* study1;

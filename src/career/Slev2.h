#pragma once
// The university's second level: three courses of sixteen ticks each.
#include "career/Profiles.h"

class Tstudy2 : public Tprofiles {
 public:
  explicit Tstudy2(ui::Application& app);
};

extern Tstudy2* study2;

#pragma once
#include "ui/Form.h"

class Ttakek : public ui::Form {
 public:
  explicit Ttakek(ui::Application& app);
};

extern Ttakek* takek;

#pragma once
#include "ui/Form.h"

class Tinfor : public ui::Form {
 public:
  explicit Tinfor(ui::Application& app);
};

extern Tinfor* infor;

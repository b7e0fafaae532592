#include "ui/Component.h"

#include "ui/Control.h"

namespace ui {

Component::Component(Control* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->AdoptComponent(this);
}

}  // namespace ui

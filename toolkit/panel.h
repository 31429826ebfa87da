#pragma once

#include "toolkit/control.h"

namespace tk {

// A raised container; its caption is drawn centred.
class Panel : public Control {
 public:
  Panel(Control* parent, std::string name) : Control(Kind::Panel, parent, std::move(name)) {}
};

}  // namespace tk

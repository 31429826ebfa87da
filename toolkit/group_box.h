#pragma once

#include "toolkit/control.h"

namespace tk {

// A framed container with its caption in the frame. It takes the pointer like a panel does.
class GroupBox : public Control {
 public:
  GroupBox(Control* parent, std::string name) : Control(Kind::GroupBox, parent, std::move(name)) {}
};

}  // namespace tk

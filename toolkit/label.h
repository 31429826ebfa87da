#pragma once

#include "toolkit/control.h"

namespace tk {

// A static text. Unlike a bare native static it takes the pointer, so the form under it does not.
class Label : public Control {
 public:
  Label(Control* parent, std::string name) : Control(Kind::Label, parent, std::move(name)) {}
  // An auto-sized label takes the size of its text; a fixed one keeps its bounds.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);

 private:
  bool auto_size_ = true;
};

}  // namespace tk

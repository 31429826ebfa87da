#pragma once

#include "toolkit/control.h"

namespace tk {

class ProgressBar : public Control {
 public:
  ProgressBar(Control* parent, std::string name)
      : Control(Kind::ProgressBar, parent, std::move(name)) {}

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  // Kept as given; the bar itself shows values past Max as full.
  int Position() const { return position_; }
  void SetPosition(int position);

 private:
  int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace tk

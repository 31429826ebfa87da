#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

// A tab strip whose tabs share one client area; its children lie on that area.
class TabControl : public Control {
 public:
  TabControl(Control* parent, std::string name)
      : Control(Kind::TabControl, parent, std::move(name)) {}

  const std::vector<std::wstring>& Tabs() const { return tabs_; }
  void SetTabs(std::vector<std::wstring> tabs);
  int TabIndex() const;
  // Backend dispatch: the operator picked another tab; raises OnChange. Re-picking the current
  // tab raises nothing.
  void UserSelected(int index);

  Handler OnChange;

 private:
  std::vector<std::wstring> tabs_;
  int tab_index_ = 0;
};

}  // namespace tk

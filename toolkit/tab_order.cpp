#include "toolkit/tab_order.h"

#include <algorithm>
#include <vector>

#include "toolkit/button.h"
#include "toolkit/control.h"

namespace tk {

namespace {

bool EnabledWithAncestors(const Control& control) {
  for (const Control* c = &control; c; c = c->Parent()) {
    if (!c->Enabled()) return false;
  }
  return true;
}

void Collect(Control& control, std::vector<Control*>& stops) {
  for (const auto& child : control.Children()) {
    if (IsTabStop(*child)) stops.push_back(child.get());
    Collect(*child, stops);
  }
}

}  // namespace

bool IsTabStop(const Control& control) {
  switch (control.kind()) {
    case Kind::Edit:
    case Kind::ComboBox:
    case Kind::TabControl:
      break;
    case Kind::Button:
      if (!static_cast<const Button&>(control).Focusable()) return false;
      break;
    default:
      return false;
  }
  return control.Showing() && EnabledWithAncestors(control);
}

Control* NextTabStop(Control& root, const Control* current, bool backwards) {
  std::vector<Control*> stops;
  Collect(root, stops);
  if (stops.empty()) return nullptr;
  auto at = std::find(stops.begin(), stops.end(), current);
  if (at == stops.end()) return backwards ? stops.back() : stops.front();
  auto index = static_cast<std::size_t>(at - stops.begin());
  return stops[(index + (backwards ? stops.size() - 1 : 1)) % stops.size()];
}

}  // namespace tk

#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

class ComboBox : public Control {
 public:
  enum class Style { DropDown, DropDownList };

  ComboBox(Control* parent, std::string name, Style style = Style::DropDown)
      : Control(Kind::ComboBox, parent, std::move(name)), style_(style) {}

  Style style() const { return style_; }
  const std::vector<std::wstring>& Items() const { return items_; }
  void AddItem(std::wstring item);

  // -1 when no item is selected.
  int ItemIndex() const;
  // From code: raises no change event. An index without an item clears the selection.
  void SetItemIndex(int index);
  // The text field (drop-down style) or the selected item's text.
  std::wstring Text() const;

  // Backend dispatch: the operator picked `index`; raises OnChange.
  void UserSelected(int index);
  // Backend dispatch: the operator typed into the text field, which deselects the list.
  void UserTyped(std::wstring text);

  Handler OnChange;

 private:
  Style style_;
  std::vector<std::wstring> items_;
  int item_index_ = -1;
  std::wstring text_;
};

}  // namespace tk

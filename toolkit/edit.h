#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

// A single-line edit field. Its text is a string of 8-bit codes in the system code page, and
// the maximum length counts those codes, for typing and pasting alike.
class Edit : public Control {
 public:
  Edit(Control* parent, std::string name) : Control(Kind::Edit, parent, std::move(name)) {}

  std::string Text() const;
  void SetText(std::string text);
  // Backend dispatch: the operator changed the text.
  void TextEdited(std::string text) { text_ = std::move(text); }

  // 0 means unlimited.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int length);

  // Flat: a single-line border instead of the sunken 3-D one.
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);

  // What typing `typed` at the end gives, bounded by the maximum length.
  std::string Bounded(const std::string& typed) const;

 private:
  std::string text_;
  int max_length_ = 0;
  bool flat_ = false;
};

}  // namespace tk

#pragma once

#include "toolkit/canvas.h"
#include "toolkit/control.h"

namespace tk {

// A push button; it shows its caption or, when it has one, its glyph picture. By default it
// never takes the keyboard focus; a focusable one takes it when clicked, is reached with Tab
// and is pressed with Space.
class Button : public Control {
 public:
  Button(Control* parent, std::string name) : Control(Kind::Button, parent, std::move(name)) {}

  void SetGlyph(int width, int height, Painter painter);
  bool HasGlyph() const { return static_cast<bool>(glyph_); }
  int GlyphWidth() const { return glyph_width_; }
  int GlyphHeight() const { return glyph_height_; }
  const Painter& glyph() const { return glyph_; }

  bool Focusable() const { return focusable_; }
  void SetFocusable(bool focusable) { focusable_ = focusable; }

  // The operator's click (also backend dispatch); does nothing while disabled.
  void Click();

  Handler OnClick;

 private:
  bool focusable_ = false;
  int glyph_width_ = 0, glyph_height_ = 0;
  Painter glyph_;
};

}  // namespace tk

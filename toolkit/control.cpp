#include "toolkit/control.h"

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace tk {

Control::Control(Kind kind, Control* parent, std::string name)
    : kind_(kind), name_(std::move(name)), parent_(parent) {
  if (parent_) font_ = parent_->font_;
}

Control::~Control() {
  // Children go before their parent's native window does.
  children_.clear();
  peer_.reset();
}

void Control::Realize() {
  peer_ = CreatePeer(*this);
}

Form* Control::OwnerForm() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return c->kind_ == Kind::Form ? static_cast<Form*>(c) : nullptr;
}

Application& Control::App() {
  return OwnerForm()->app();
}

void Control::SetBounds(int left, int top, int width, int height) {
  bounds_ = Rect{left, top, width, height};
  Push(Aspect::Bounds);
}

void Control::SetPosition(int left, int top) {
  SetBounds(left, top, bounds_.width, bounds_.height);
}

void Control::SetSize(int width, int height) {
  SetBounds(bounds_.left, bounds_.top, width, height);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  Push(Aspect::Visible);
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Push(Aspect::Enabled);
}

void Control::SetFont(const Font& font) {
  font_ = font;
  Push(Aspect::Font);
}

void Control::SetFontSize(int points) {
  Font f = font_;
  f.size = points;
  SetFont(f);
}

void Control::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  Push(Aspect::Caption);
}

void Control::Fire(const Handler& handler) {
  if (!handler) return;
  try {
    handler(this);
  } catch (...) {
    App().ShowCurrentException();
  }
}

}  // namespace tk

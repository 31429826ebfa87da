#include "toolkit/form.h"

#include "toolkit/application.h"

namespace tk {

Form::Form(Application& app, std::string name)
    : Control(Kind::Form, nullptr, std::move(name)), app_(app) {
  visible_ = false;
  Realize();
}

Form::~Form() {
  if (app_.MainForm() == this) app_.SetMainForm(nullptr);
}

void Form::SetClientSize(int width, int height) {
  SetSize(width, height);
}

void Form::SetOuterSize(int width, int height) {
  outer_size_ = Point{width, height};
  Push(Aspect::Bounds);
}

void Form::SetScreenPos(int left, int top) {
  screen_pos_ = Point{left, top};
  Push(Aspect::Bounds);
}

void Form::Show() {
  SetVisible(true);
}
void Form::Hide() {
  SetVisible(false);
}

void Form::Close() {
  CloseAction action = in_modal_ || app_.MainForm() != this ? CloseAction::Hide : CloseAction::Free;
  if (OnClose) {
    try {
      OnClose(this, action);
    } catch (...) {
      app_.ShowCurrentException();
    }
  }
  if (action == CloseAction::None) return;
  if (in_modal_) {
    modal_done_ = true;
    return;
  }
  if (app_.MainForm() == this) {
    app_.Terminate();
  } else {
    Hide();
  }
}

void Form::ShowModal() {
  in_modal_ = true;
  modal_done_ = false;
  Show();
  backend::RunModal(*this, modal_done_);
  Hide();
  in_modal_ = false;
}

void Form::MouseMoved(int x, int y) {
  if (!OnMouseMove) return;
  try {
    OnMouseMove(this, x, y);
  } catch (...) {
    app_.ShowCurrentException();
  }
}

}  // namespace tk

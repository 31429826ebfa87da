// A top-level window.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "toolkit/control.h"

namespace tk {

class Form : public Control {
 public:
  Form(Application& app, std::string name);
  ~Form() override;

  Application& app() const { return app_; }

  // Size of the area inside the frame.
  void SetClientSize(int width, int height);
  int ClientWidth() const { return Bounds().width; }
  int ClientHeight() const { return Bounds().height; }
  // Size of the whole window, frame included; when set it wins over the client size, whatever
  // the frame metrics of the system are.
  void SetOuterSize(int width, int height);
  const std::optional<Point>& OuterSize() const { return outer_size_; }
  // Screen position of the outer frame.
  Point ScreenPos() const { return screen_pos_; }
  void SetScreenPos(int left, int top);

  void Show();
  void Hide();
  // The close request of the close box, Alt+F4 and code alike.
  void Close();
  // Shows the form and returns once it has been closed; other forms take no input meanwhile.
  void ShowModal();
  bool InModal() const { return in_modal_; }

  std::function<void(Control* sender, CloseAction& action)> OnClose;
  std::function<void(Control* sender, int x, int y)> OnMouseMove;

  // Backend dispatch: the pointer moved over the form's own client surface.
  void MouseMoved(int x, int y);

 private:
  Application& app_;
  Point screen_pos_;
  std::optional<Point> outer_size_;
  bool in_modal_ = false;
  bool modal_done_ = false;
};

namespace backend {
// Runs a modal message loop until `done` turns true.
void RunModal(Form& form, const bool& done);
}  // namespace backend

}  // namespace tk

// The headless backend keeps every state in the control model; there are no native windows.
#include <deque>
#include <optional>

#include "toolkit/headless/operator.h"

namespace tk {

namespace {

class DialogPeer : public Peer {
 public:
  void Push(Aspect) override {}
  std::deque<std::optional<std::wstring>> answers;
};

}  // namespace

std::unique_ptr<Peer> CreatePeer(Control& control) {
  if (control.kind() == Kind::FileDialog) return std::make_unique<DialogPeer>();
  return nullptr;
}

namespace backend {

void RunLoop(Application& app) {
  while (!app.Terminated() && app.RunPosted()) {
  }
}

void PumpMessages(Application& app) {
  while (app.RunPosted()) {
  }
}

void WakeLoop(Application&) {}

void ShowErrorBox(Application&, const std::wstring&) {}

void RunModal(Form& form, const bool& done) {
  PumpMessages(form.app());
  // Nobody pressed a button: the operator used the close box.
  if (!done) form.Close();
}

bool RunFileDialog(FileDialog& dialog) {
  auto* peer = static_cast<DialogPeer*>(dialog.peer());
  if (peer->answers.empty()) return false;
  std::optional<std::wstring> answer = peer->answers.front();
  peer->answers.pop_front();
  if (!answer) return false;
  dialog.SetFileName(*answer);
  return true;
}

}  // namespace backend

namespace headless {

void Type(Edit& edit, const std::string& text) {
  std::string bounded = text;
  if (edit.MaxLength() > 0 && bounded.size() > static_cast<size_t>(edit.MaxLength())) {
    bounded.resize(edit.MaxLength());
  }
  edit.TextEdited(bounded);
}

void Pick(ComboBox& combo, int index) {
  combo.UserSelected(index);
}

void PickTab(TabControl& tabs, int index) {
  tabs.UserSelected(index);
}

namespace {

Control* HitChild(Control& parent, int x, int y) {
  const auto& children = parent.Children();
  // Later children lie on top.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control& child = **it;
    if (child.kind() == Kind::FileDialog || !child.Visible()) continue;
    Rect b = child.Bounds();
    if (!b.Contains(x, y)) continue;
    Control* deeper = HitChild(child, x - b.left, y - b.top);
    return deeper ? deeper : &child;
  }
  return nullptr;
}

}  // namespace

Control* HitTest(Form& form, int x, int y) {
  return HitChild(form, x, y);
}

void MovePointer(Form& form, int x, int y) {
  if (x < 0 || y < 0 || x >= form.ClientWidth() || y >= form.ClientHeight()) return;
  if (!HitTest(form, x, y)) form.MouseMoved(x, y);
}

void AnswerDialog(FileDialog& dialog, std::optional<std::wstring> path) {
  static_cast<DialogPeer*>(dialog.peer())->answers.push_back(std::move(path));
}

}  // namespace headless

}  // namespace tk

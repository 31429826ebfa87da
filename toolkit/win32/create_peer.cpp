#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk {

std::unique_ptr<Peer> CreatePeer(Control& control) {
  using namespace win32;
  switch (control.kind()) {
    case Kind::Form:
      return MakeFormPeer(static_cast<Form&>(control));
    case Kind::Label:
      return MakeLabelPeer(static_cast<Label&>(control));
    case Kind::Edit:
      return MakeEditPeer(static_cast<Edit&>(control));
    case Kind::ComboBox:
      return MakeComboBoxPeer(static_cast<ComboBox&>(control));
    case Kind::TabControl:
      return MakeTabControlPeer(static_cast<TabControl&>(control));
    case Kind::Panel:
      return MakePanelPeer(static_cast<Panel&>(control));
    case Kind::GroupBox:
      return MakeGroupBoxPeer(static_cast<GroupBox&>(control));
    case Kind::Picture:
      return MakePicturePeer(static_cast<Picture&>(control));
    case Kind::Button:
      return MakeButtonPeer(static_cast<Button&>(control));
    case Kind::ProgressBar:
      return MakeProgressBarPeer(static_cast<ProgressBar&>(control));
    case Kind::FileDialog:
      // Shown through the system dialog only while it runs.
      return nullptr;
  }
  return nullptr;
}

namespace win32 {

HWND WindowOf(const Control* control) {
  auto* peer = control ? dynamic_cast<WindowPeer*>(control->peer()) : nullptr;
  return peer ? peer->hwnd() : nullptr;
}

}  // namespace win32

}  // namespace tk

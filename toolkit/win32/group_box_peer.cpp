#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

class GroupBoxPeer : public WindowPeer {
 public:
  explicit GroupBoxPeer(GroupBox& box) : WindowPeer(box) {
    // Subclassed: its children's notifications come to it, and it must take the pointer.
    Adopt(CreateChild(L"BUTTON", WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT,
                      box.Caption().c_str()),
          true);
  }

  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam) override {
    switch (msg) {
      case WM_NCHITTEST:
        // A native group box lets the pointer through to what lies below.
        return HTCLIENT;
      case WM_ERASEBKGND: {
        // A native group box leaves its inside unpainted.
        RECT r;
        GetClientRect(hwnd(), &r);
        FillRect(reinterpret_cast<HDC>(wparam), &r, FaceBrush());
        return 1;
      }
      default:
        return WindowPeer::Handle(msg, wparam, lparam);
    }
  }
};

}  // namespace

std::unique_ptr<Peer> MakeGroupBoxPeer(GroupBox& box) {
  return std::make_unique<GroupBoxPeer>(box);
}

}  // namespace tk::win32

#include <windows.h>

#include <commctrl.h>

#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

class TabControlPeer : public WindowPeer {
 public:
  explicit TabControlPeer(TabControl& tabs) : WindowPeer(tabs), tabs_(tabs) {
    // Subclassed: its children's notifications come to it, and it must take the pointer.
    Adopt(CreateChild(WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT), true);
    FillTabs();
  }

  void Push(Aspect what) override {
    switch (what) {
      case Aspect::Tabs:
        FillTabs();
        return;
      case Aspect::TabIndex:
        SendMessageW(hwnd(), TCM_SETCURSEL, tabs_.TabIndex(), 0);
        return;
      case Aspect::Caption:
        return;
      default:
        WindowPeer::Push(what);
    }
  }

  bool OnNotify(const NMHDR& header, LRESULT& result) override {
    if (header.code != TCN_SELCHANGE) return false;
    tabs_.UserSelected(static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0)));
    result = 0;
    return true;
  }

  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam) override {
    // The native tab strip lets the pointer through outside its tabs, to the form below.
    if (msg == WM_NCHITTEST) return HTCLIENT;
    return WindowPeer::Handle(msg, wparam, lparam);
  }

 private:
  void FillTabs() {
    SendMessageW(hwnd(), TCM_DELETEALLITEMS, 0, 0);
    int i = 0;
    for (const std::wstring& caption : tabs_.Tabs()) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(caption.c_str());
      SendMessageW(hwnd(), TCM_INSERTITEMW, i++, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(hwnd(), TCM_SETCURSEL, tabs_.TabIndex(), 0);
  }

  TabControl& tabs_;
};

}  // namespace

std::unique_ptr<Peer> MakeTabControlPeer(TabControl& tabs) {
  return std::make_unique<TabControlPeer>(tabs);
}

}  // namespace tk::win32

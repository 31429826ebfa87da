#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

// SS_NOTIFY: a static without it is transparent to the pointer, and the form under it would
// hear the mouse move.
constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS | SS_NOTIFY | SS_LEFTNOWORDWRAP;

class LabelPeer : public WindowPeer {
 public:
  explicit LabelPeer(Label& label) : WindowPeer(label), label_(label) {
    Adopt(CreateChild(L"STATIC", kStyle, 0, label.Caption().c_str()), false);
  }

 protected:
  void Place() override {
    Rect b = label_.Bounds();
    if (label_.AutoSize()) {
      SIZE size = TextSize();
      b.width = size.cx;
      b.height = size.cy;
    }
    SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  SIZE TextSize() {
    // An empty caption still takes one blank's room, so the label keeps a line's height.
    std::wstring text = label_.Caption().empty() ? L" " : label_.Caption();
    HDC dc = GetDC(hwnd());
    HGDIOBJ old = SelectObject(dc, font());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  Label& label_;
};

}  // namespace

std::unique_ptr<Peer> MakeLabelPeer(Label& label) {
  return std::make_unique<LabelPeer>(label);
}

}  // namespace tk::win32

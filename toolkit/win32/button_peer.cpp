#include <windowsx.h>

#include "toolkit/tab_order.h"
#include "toolkit/win32/gdi_canvas.h"
#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

// A push button of our own that follows the pointer itself, so that it takes the focus only
// when its model allows. BM_CLICK presses it as the native button's does.
class ButtonPeer : public PaintedPeer {
 public:
  explicit ButtonPeer(Button& button) : PaintedPeer(button), button_(button) {
    Adopt(CreateChild(EnsureClass(L"KestruneButton", nullptr), 0), false);
  }

  void Push(Aspect what) override {
    if (what == Aspect::Picture) {
      InvalidateRect(hwnd(), nullptr, TRUE);
      return;
    }
    WindowPeer::Push(what);
  }

  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam) override {
    switch (msg) {
      case WM_LBUTTONDOWN:
        if (button_.Focusable()) SetFocus(hwnd());
        tracking_ = true;
        SetCapture(hwnd());
        SetPressed(true);
        return 0;
      case WM_MOUSEMOVE:
        if (tracking_) SetPressed(Inside(lparam));
        return 0;
      case WM_LBUTTONUP: {
        if (!tracking_) return 0;
        bool inside = Inside(lparam);
        ReleaseCapture();  // WM_CAPTURECHANGED ends the tracking
        // The handler may pump messages for a long time; the button is drawn up by then.
        if (inside) button_.Click();
        return 0;
      }
      case WM_CAPTURECHANGED:
        tracking_ = false;
        SetPressed(false);
        return 0;
      case BM_CLICK:
        button_.Click();
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        InvalidateRect(hwnd(), nullptr, TRUE);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_WANTALLKEYS;
      case WM_KEYDOWN:
        if (wparam == VK_SPACE) SetPressed(true);
        if (wparam == VK_TAB) FocusNext(GetKeyState(VK_SHIFT) < 0);
        return 0;
      case WM_KEYUP:
        if (wparam == VK_SPACE && pressed_) {
          SetPressed(false);
          button_.Click();
        }
        return 0;
      case WM_ENABLE:
        InvalidateRect(hwnd(), nullptr, TRUE);
        return 0;
      default:
        return PaintedPeer::Handle(msg, wparam, lparam);
    }
  }

 protected:
  void Paint(HDC dc, const RECT& client) override {
    RECT r = client;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0));
    int shift = pressed_ ? 1 : 0;
    if (button_.HasGlyph()) {
      // Drawn straight over the face, so the frame stays visible around the picture.
      int w = button_.GlyphWidth(), h = button_.GlyphHeight();
      POINT old;
      SetViewportOrgEx(dc, (r.right - w) / 2 + shift, (r.bottom - h) / 2 + shift, &old);
      GdiCanvas canvas(dc);
      button_.glyph()(canvas, w, h);
      SetViewportOrgEx(dc, old.x, old.y, nullptr);
      return;
    }
    HGDIOBJ old = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    OffsetRect(&r, shift, shift);
    SetTextColor(dc,
                 IsWindowEnabled(hwnd()) ? button_.GetFont().color : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, button_.Caption().c_str(), -1, &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    if (GetFocus() == hwnd()) {
      RECT focus = client;
      InflateRect(&focus, -4, -4);
      DrawFocusRect(dc, &focus);
    }
  }

 private:
  bool Inside(LPARAM lparam) const {
    RECT r;
    GetClientRect(hwnd(), &r);
    POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&r, p);
  }

  void FocusNext(bool backwards) {
    Form* root = button_.OwnerForm();
    Control* next = root ? NextTabStop(*root, &button_, backwards) : nullptr;
    if (next && next != &button_) SetFocus(WindowOf(next));
  }

  void SetPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    InvalidateRect(hwnd(), nullptr, TRUE);
  }

  Button& button_;
  bool tracking_ = false;
  bool pressed_ = false;
};

}  // namespace

std::unique_ptr<Peer> MakeButtonPeer(Button& button) {
  return std::make_unique<ButtonPeer>(button);
}

}  // namespace tk::win32

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

// The program's own icon is its first icon resource.
HICON ProgramIcon() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  return icon ? icon : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

class FormPeer : public WindowPeer {
 public:
  explicit FormPeer(Form& form) : WindowPeer(form), form_(form) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                             ICC_PROGRESS_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // One class per form, named after it.
    std::wstring cls = L"T" + Widen(form.Name());
    EnsureClass(cls.c_str(), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), ProgramIcon());
    HWND hwnd = CreateWindowExW(kExStyle, cls.c_str(), form.Caption().c_str(), kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    Adopt(hwnd, false);
  }

  void Push(Aspect what) override {
    switch (what) {
      case Aspect::Visible:
        RefreshName();
        if (form_.Visible()) {
          ShowWindow(hwnd(), SW_SHOW);
          SetForegroundWindow(hwnd());
          UpdateWindow(hwnd());
        } else {
          ShowWindow(hwnd(), SW_HIDE);
        }
        return;
      case Aspect::Font:
        return;  // a form's font is only what its controls start with
      default:
        WindowPeer::Push(what);
    }
  }

  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam) override {
    switch (msg) {
      case WM_MOUSEMOVE:
        form_.MouseMoved(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
        return 0;
      case WM_CLOSE:
        // The model decides: hide, end a modal showing or end the program.
        form_.Close();
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
          HWND focus = GetFocus();
          if (focus && IsChild(hwnd(), focus)) focus_ = focus;
        } else if (focus_ && IsWindow(focus_) && IsChild(hwnd(), focus_) &&
                   IsWindowVisible(focus_) && IsWindowEnabled(focus_)) {
          SetFocus(focus_);
          return 0;
        }
        break;
      default:
        break;
    }
    return WindowPeer::Handle(msg, wparam, lparam);
  }

 protected:
  void Place() override {
    Rect b = form_.Bounds();
    RECT r{0, 0, b.width, b.height};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    Point size{r.right - r.left, r.bottom - r.top};
    if (form_.OuterSize()) size = *form_.OuterSize();
    Point p = form_.ScreenPos();
    SetWindowPos(hwnd(), nullptr, p.x, p.y, size.x, size.y, SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  Form& form_;
  HWND focus_ = nullptr;
};

}  // namespace

std::unique_ptr<Peer> MakeFormPeer(Form& form) {
  return std::make_unique<FormPeer>(form);
}

}  // namespace tk::win32

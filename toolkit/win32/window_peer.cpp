#include "toolkit/win32/window_peer.h"

#include <exception>

#include "toolkit/application.h"
#include "toolkit/win32/native_text.h"

namespace tk::win32 {

namespace {

constexpr wchar_t kPeerProp[] = L"KestrunePeer";
// An outside driver finds controls by this property: a global atom holding the control's name.
constexpr wchar_t kNameProp[] = L"KestruneName";

UINT ThawMessage() {
  static const UINT message = RegisterWindowMessageW(L"KestruneThaw");
  return message;
}

}  // namespace

WindowPeer::~WindowPeer() {
  Release();
}

WindowPeer* WindowPeer::From(HWND hwnd) {
  return hwnd ? static_cast<WindowPeer*>(GetPropW(hwnd, kPeerProp)) : nullptr;
}

HWND WindowPeer::CreateChild(const wchar_t* cls, DWORD style, DWORD ex_style, const wchar_t* text) {
  style |= WS_CHILD | WS_CLIPSIBLINGS | (control_.Visible() ? WS_VISIBLE : 0) |
           (control_.Enabled() ? 0 : WS_DISABLED);
  return CreateWindowExW(ex_style, cls, text, style, 0, 0, 0, 0, ParentWindow(control_), nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void WindowPeer::Adopt(HWND hwnd, bool subclass) {
  hwnd_ = hwnd;
  SetPropW(hwnd_, kPeerProp, this);
  if (subclass) {
    base_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PeerWindowProc)));
  }
  font_ = MakeFont(control_.GetFont());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // Later children lie on top of earlier ones.
  if (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  RefreshName();
  Place();
}

void WindowPeer::Release() {
  if (!hwnd_) return;
  if (base_ != DefWindowProcW) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base_));
    base_ = DefWindowProcW;
  }
  RemovePropW(hwnd_, kPeerProp);
  RemovePropW(hwnd_, kNameProp);
  if (name_atom_) GlobalDeleteAtom(name_atom_);
  name_atom_ = 0;
  named_.clear();
  DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

void WindowPeer::RefreshName() {
  // Names may be given after creation, which pushes nothing; every push catches up.
  if (!hwnd_ || control_.Name() == named_) return;
  named_ = control_.Name();
  if (name_atom_) GlobalDeleteAtom(name_atom_);
  name_atom_ = named_.empty() ? 0 : GlobalAddAtomW(Widen(named_).c_str());
  if (name_atom_) {
    SetPropW(hwnd_, kNameProp, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(name_atom_)));
  } else {
    RemovePropW(hwnd_, kNameProp);
  }
}

HWND WindowPeer::ParentWindow(const Control& control) {
  auto* parent = control.Parent() ? dynamic_cast<WindowPeer*>(control.Parent()->peer()) : nullptr;
  return parent ? parent->hwnd() : nullptr;
}

void WindowPeer::Place() {
  Rect b = control_.Bounds();
  SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::Push(Aspect what) {
  if (!hwnd_) return;
  RefreshName();
  switch (what) {
    case Aspect::Bounds:
      Place();
      break;
    case Aspect::Visible:
      ApplyVisible();
      break;
    case Aspect::Enabled:
      EnableWindow(hwnd_, control_.Enabled());
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Aspect::Caption:
      SetWindowTextW(hwnd_, control_.Caption().c_str());
      Place();
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Aspect::Font: {
      HFONT old = font_;
      font_ = MakeFont(control_.GetFont());
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
      if (old) DeleteObject(old);
      Place();
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    }
    default:
      break;
  }
}

void WindowPeer::ApplyVisible() {
  FreezeParent();
  if (frozen_ && !control_.Visible()) {
    // Not drawing already hides it; what lay beneath must show again.
    frozen_ = false;
    RECT r;
    GetWindowRect(hwnd_, &r);
    HWND parent = GetParent(hwnd_);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
}

void WindowPeer::FreezeParent() {
  // Only containers inside a form: a frozen top-level window could not be hidden.
  HWND parent = GetParent(hwnd_);
  WindowPeer* peer = From(parent);
  if (peer && (GetWindowLongW(parent, GWL_STYLE) & WS_CHILD)) peer->Freeze();
}

void WindowPeer::Freeze() {
  if (frozen_ || !IsWindowVisible(hwnd_)) return;
  DefWindowProcW(hwnd_, WM_SETREDRAW, FALSE, 0);
  frozen_ = true;
  PostMessageW(hwnd_, ThawMessage(), 0, 0);
}

void WindowPeer::Thaw() {
  if (!frozen_) return;
  frozen_ = false;
  DefWindowProcW(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HBRUSH WindowPeer::OnCtlColor(HDC dc) {
  SetTextColor(dc, control_.GetFont().color);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return FaceBrush();
}

LRESULT WindowPeer::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == ThawMessage()) {
    Thaw();
    return 0;
  }
  LRESULT result = 0;
  if (RouteToChild(msg, wparam, lparam, result)) return result;
  return CallBase(msg, wparam, lparam);
}

LRESULT WindowPeer::CallBase(UINT msg, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(base_, hwnd_, msg, wparam, lparam);
}

LRESULT PaintedPeer::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // Paint covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT client;
      GetClientRect(hwnd(), &client);
      Paint(dc, client);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    default:
      return WindowPeer::Handle(msg, wparam, lparam);
  }
}

bool RouteToChild(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (WindowPeer* child = WindowPeer::From(reinterpret_cast<HWND>(lparam))) {
        child->OnCommand(HIWORD(wparam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      WindowPeer* child = header ? WindowPeer::From(header->hwndFrom) : nullptr;
      return child && child->OnNotify(*header, result);
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (WindowPeer* child = WindowPeer::From(reinterpret_cast<HWND>(lparam))) {
        result = reinterpret_cast<LRESULT>(child->OnCtlColor(reinterpret_cast<HDC>(wparam)));
        return true;
      }
      return false;
    default:
      return false;
  }
}

LRESULT CALLBACK PeerWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  WindowPeer* peer = WindowPeer::From(hwnd);
  if (!peer) return DefWindowProcW(hwnd, msg, wparam, lparam);
  // Nothing may unwind into the system's code.
  try {
    return peer->Handle(msg, wparam, lparam);
  } catch (...) {
    try {
      peer->control().App().ShowCurrentException();
    } catch (...) {
    }
  }
  return 0;
}

const wchar_t* EnsureClass(const wchar_t* name, HBRUSH background, HICON icon) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return name;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PeerWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  return name;
}

HBRUSH FaceBrush() {
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace tk::win32

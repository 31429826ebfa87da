// The message loops: the main one, message pumping from inside handlers, and modal showing.
#include <windows.h>

#include <vector>

#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/tab_order.h"
#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::backend {

namespace {

// Tab and Shift+Tab move the focus between a form's tab stops in creation order, as in a
// dialog, unless the focused control wants the key itself. The native stacking puts later
// controls on top, so the native tab-item search would run backwards.
bool MoveFocusByTab(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !msg.hwnd) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  // The edit inside a drop-down combo box has no peer of its own: the combo box stands for it.
  win32::WindowPeer* peer = nullptr;
  // Only up to the top-level window: a dialog of another kind must not find its owner's peer.
  for (HWND h = msg.hwnd; h && !peer;
       h = (GetWindowLongW(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr) {
    peer = win32::WindowPeer::From(h);
  }
  if (!peer) return false;
  Control* current = &peer->control();
  Form* root = current->OwnerForm();
  if (!root) return false;
  if (current != root) {
    LRESULT code =
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  }
  Control* next = NextTabStop(*root, current, GetKeyState(VK_SHIFT) < 0);
  HWND target = next ? win32::WindowOf(next) : nullptr;
  if (!target || next == current) return true;
  SetFocus(target);
  // An edit reached by the keyboard shows its text selected, ready to be typed over.
  if (next->kind() == Kind::Edit) SendMessageW(target, EM_SETSEL, 0, -1);
  return true;
}

void Dispatch(const MSG& msg) {
  if (MoveFocusByTab(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

// Runs posted work, then waits for and handles one message. False once the loop must end.
bool Step(Application& app, const bool& done) {
  while (app.RunPosted()) {
  }
  if (app.Terminated() || done) return false;
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    // A quit request from outside ends the program like closing the main form.
    app.Terminate();
    return false;
  }
  Dispatch(msg);
  return true;
}

struct Disabler {
  HWND keep;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM data) {
  auto* d = reinterpret_cast<Disabler*>(data);
  if (hwnd != d->keep && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    d->disabled.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

void RunLoop(Application& app) {
  const bool never = false;
  while (Step(app, never)) {
  }
}

void PumpMessages(Application& app) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Kept as the application's end; the running handler returns to the main loop first.
      app.Terminate();
      break;
    }
    Dispatch(msg);
  }
  while (app.RunPosted()) {
  }
}

void WakeLoop(Application&) {
  // A thread message: every loop of ours looks at the application's state before it waits again.
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void RunModal(Form& form, const bool& done) {
  HWND modal = win32::WindowOf(&form);
  HWND main = win32::WindowOf(form.app().MainForm());
  if (main && main != modal)
    SetWindowLongPtrW(modal, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(main));
  Disabler disabler{modal, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&disabler));
  SetActiveWindow(modal);
  // The first control that takes the focus gets it, as a dialog's first tab stop does.
  for (const auto& child : form.Children()) {
    if (child->kind() == Kind::Button && static_cast<Button&>(*child).Focusable()) {
      SetFocus(win32::WindowOf(child.get()));
      break;
    }
  }
  while (Step(form.app(), done)) {
  }
  for (HWND hwnd : disabler.disabled) {
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  }
  // Hand activation back before the dialog hides, so the main form keeps the foreground.
  if (main && IsWindow(main)) SetActiveWindow(main);
}

void ShowErrorBox(Application& app, const std::wstring& text) {
  Form* main = app.MainForm();
  std::wstring caption = main && !main->Caption().empty() ? main->Caption() : L"Kestrune";
  // Owned by whichever of our windows is active, so a modal dialog stays modal.
  HWND owner = GetActiveWindow();
  if (!owner) owner = win32::WindowOf(main);
  MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace tk::backend

// The native window behind one control, and the routing of messages to it.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/peer.h"

namespace tk::win32 {

class WindowPeer : public Peer {
 public:
  explicit WindowPeer(Control& control) : control_(control) {}
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  HWND hwnd() const { return hwnd_; }
  Control& control() const { return control_; }

  void Push(Aspect what) override;

  // Notifications the parent receives about this window.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual HBRUSH OnCtlColor(HDC dc);

  // Every message of a window we own or subclass passes here.
  virtual LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

  // The peer behind a native window, or null for windows that are not ours.
  static WindowPeer* From(HWND hwnd);

 protected:
  // Creates this control's window in its parent's, shown and enabled as the model says.
  HWND CreateChild(const wchar_t* cls, DWORD style, DWORD ex_style = 0, const wchar_t* text = L"");
  // Takes over a freshly created window: naming, font, stacking and the model's state.
  void Adopt(HWND hwnd, bool subclass);
  // Destroys the window and forgets it.
  void Release();
  LRESULT CallBase(UINT msg, WPARAM wparam, LPARAM lparam);
  // The window that children of this control are created in.
  static HWND ParentWindow(const Control& control);
  HFONT font() const { return font_; }
  // Called after Bounds, Font and Caption pushes; the default places the window at its bounds.
  virtual void Place();
  void RefreshName();

 private:
  // Showing or hiding many children one by one costs a visible-region update each. Their
  // container stops drawing until the queue is next read, then redraws once.
  void FreezeParent();
  void Freeze();
  void Thaw();
  void ApplyVisible();

  Control& control_;
  HWND hwnd_ = nullptr;
  WNDPROC base_ = DefWindowProcW;
  HFONT font_ = nullptr;
  ATOM name_atom_ = 0;
  std::string named_;
  bool frozen_ = false;
};

// Messages a container hands on to the child control they concern; true when handled.
bool RouteToChild(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);

// The window procedure of every window class this backend registers.
LRESULT CALLBACK PeerWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
// Registers one of our classes once per process; returns its name.
const wchar_t* EnsureClass(const wchar_t* name, HBRUSH background, HICON icon = nullptr);

HBRUSH FaceBrush();

// A window of our own class that draws all of itself.
class PaintedPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam) override;

 protected:
  virtual void Paint(HDC dc, const RECT& client) = 0;
};

}  // namespace tk::win32

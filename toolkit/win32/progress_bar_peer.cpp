#include <windows.h>

#include <commctrl.h>

#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

class ProgressBarPeer : public WindowPeer {
 public:
  explicit ProgressBarPeer(ProgressBar& bar) : WindowPeer(bar), bar_(bar) {
    Adopt(CreateChild(PROGRESS_CLASSW, 0), false);
    Push(Aspect::Range);
    Push(Aspect::Position);
  }

  void Push(Aspect what) override {
    switch (what) {
      case Aspect::Range:
        SendMessageW(hwnd(), PBM_SETRANGE32, bar_.Min(), bar_.Max());
        SendMessageW(hwnd(), PBM_SETPOS, bar_.Position(), 0);
        return;
      case Aspect::Position:
        // The native bar clamps to its range: values past the end show a full bar.
        SendMessageW(hwnd(), PBM_SETPOS, bar_.Position(), 0);
        return;
      case Aspect::Caption:
        return;
      default:
        WindowPeer::Push(what);
    }
  }

 private:
  ProgressBar& bar_;
};

}  // namespace

std::unique_ptr<Peer> MakeProgressBarPeer(ProgressBar& bar) {
  return std::make_unique<ProgressBarPeer>(bar);
}

}  // namespace tk::win32

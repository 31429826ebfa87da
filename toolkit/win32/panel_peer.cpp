#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

class PanelPeer : public PaintedPeer {
 public:
  explicit PanelPeer(Panel& panel) : PaintedPeer(panel), panel_(panel) {
    Adopt(CreateChild(EnsureClass(L"KestrunePanel", nullptr), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT),
          false);
  }

 protected:
  void Paint(HDC dc, const RECT& client) override {
    RECT r = client;
    FillRect(dc, &r, FaceBrush());
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (panel_.Caption().empty()) return;
    HGDIOBJ old = SelectObject(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, panel_.Enabled() ? panel_.GetFont().color : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, panel_.Caption().c_str(), -1, &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
  }

 private:
  Panel& panel_;
};

}  // namespace

std::unique_ptr<Peer> MakePanelPeer(Panel& panel) {
  return std::make_unique<PanelPeer>(panel);
}

}  // namespace tk::win32

#include "toolkit/win32/gdi_canvas.h"
#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

class PicturePeer : public PaintedPeer {
 public:
  explicit PicturePeer(Picture& picture) : PaintedPeer(picture), picture_(picture) {
    Adopt(CreateChild(EnsureClass(L"KestrunePicture", nullptr), 0), false);
  }
  ~PicturePeer() override { Forget(); }

  void Push(Aspect what) override {
    if (what == Aspect::Picture) {
      Forget();
      InvalidateRect(hwnd(), nullptr, TRUE);
    } else if (what != Aspect::Caption) {
      WindowPeer::Push(what);
    }
  }

 protected:
  void Paint(HDC dc, const RECT& client) override {
    FillRect(dc, &client, FaceBrush());
    int w = picture_.PictureWidth(), h = picture_.PictureHeight();
    // Painted once into a bitmap, then copied at every repaint.
    if (!bitmap_) bitmap_ = PaintBitmap(picture_.painter(), w, h);
    DrawBitmap(dc, bitmap_, 0, 0, w, h);
  }

 private:
  void Forget() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }

  Picture& picture_;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace

std::unique_ptr<Peer> MakePicturePeer(Picture& picture) {
  return std::make_unique<PicturePeer>(picture);
}

}  // namespace tk::win32

#include "toolkit/win32/native_text.h"
#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

// The maximum length counts bytes in the system code page, so typing, pasting and replacing are
// all bounded here; the control's own limit counts UTF-16 units and only backs this up.
class EditPeer : public WindowPeer {
 public:
  explicit EditPeer(Edit& edit) : WindowPeer(edit), edit_(edit) { Create(); }

  void Push(Aspect what) override {
    switch (what) {
      case Aspect::Text:
        SetText(FromAcp(ModelText()));
        return;
      case Aspect::MaxLength:
        SendMessageW(hwnd(), EM_LIMITTEXT, edit_.MaxLength() > 0 ? edit_.MaxLength() : 0, 0);
        return;
      case Aspect::Flat:
        // The border style is fixed when the native edit is made.
        if (edit_.Flat() != flat_) Recreate();
        return;
      case Aspect::Caption:
        return;
      default:
        WindowPeer::Push(what);
    }
  }

  void Pull(Aspect what) override {
    if (what == Aspect::Text && hwnd() && !quiet_) edit_.TextEdited(ToAcp(WindowText(hwnd())));
  }

  void OnCommand(WORD code) override {
    if (code != EN_CHANGE || setting_) return;
    std::wstring text = WindowText(hwnd());
    // Input that slipped past the checks below (an input method, say) is cut back here.
    int max = edit_.MaxLength();
    if (max > 0 && AcpLength(text) > max) {
      text = FitAcp(text, max);
      SetText(text);
    }
    edit_.TextEdited(ToAcp(text));
  }

  HBRUSH OnCtlColor(HDC dc) override {
    SetTextColor(dc, edit_.GetFont().color);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }

  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (edit_.MaxLength() > 0) {
      switch (msg) {
        case WM_CHAR:
        case WM_IME_CHAR: {
          auto ch = static_cast<wchar_t>(wparam);
          if (ch >= L' ' && AcpLength(std::wstring(1, ch)) > Room()) {
            MessageBeep(MB_OK);
            return 0;
          }
          break;
        }
        case WM_PASTE:
          if (GetWindowLongW(hwnd(), GWL_STYLE) & ES_READONLY) return 0;
          SendMessageW(hwnd(), EM_REPLACESEL, TRUE,
                       reinterpret_cast<LPARAM>(ClipboardLine().c_str()));
          return 0;
        case EM_REPLACESEL: {
          if (!lparam) break;
          std::wstring fitted = FitAcp(reinterpret_cast<const wchar_t*>(lparam), Room());
          return CallBase(msg, wparam, reinterpret_cast<LPARAM>(fitted.c_str()));
        }
        default:
          break;
      }
    }
    return WindowPeer::Handle(msg, wparam, lparam);
  }

 private:
  void Create() {
    flat_ = edit_.Flat();
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (flat_ ? WS_BORDER : 0);
    Adopt(CreateChild(L"EDIT", style, flat_ ? 0 : WS_EX_CLIENTEDGE), true);
    Push(Aspect::MaxLength);
    SetText(FromAcp(ModelText()));
  }

  // The model's text as it stands, without refreshing it from the window first.
  std::string ModelText() {
    quiet_ = true;
    std::string text = edit_.Text();
    quiet_ = false;
    return text;
  }

  void Recreate() {
    // Keep what the operator typed: the model is refreshed before the old window goes.
    Pull(Aspect::Text);
    Release();
    Create();
  }

  void SetText(const std::wstring& text) {
    setting_ = true;
    SetWindowTextW(hwnd(), text.c_str());
    setting_ = false;
  }

  // Bytes still free once the selection is replaced.
  int Room() {
    std::wstring text = WindowText(hwnd());
    DWORD start = 0, end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (end > text.size()) end = static_cast<DWORD>(text.size());
    if (start > end) start = end;
    text.erase(start, end - start);
    return edit_.MaxLength() - AcpLength(text);
  }

  // A single-line field takes the clipboard's text up to its first line break.
  static std::wstring ClipboardLine() {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
        text = chars;
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
    return text.substr(0, text.find_first_of(L"\r\n"));
  }

  Edit& edit_;
  bool flat_ = false;
  bool setting_ = false;
  bool quiet_ = false;
};

}  // namespace

std::unique_ptr<Peer> MakeEditPeer(Edit& edit) {
  return std::make_unique<EditPeer>(edit);
}

}  // namespace tk::win32

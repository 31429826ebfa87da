#include <windows.h>

#include <commctrl.h>

#include "toolkit/win32/native_text.h"
#include "toolkit/win32/peers.h"
#include "toolkit/win32/window_peer.h"

namespace tk::win32 {

namespace {

// Room for the list below the field when it drops down.
constexpr int kListItems = 12;
constexpr int kItemHeight = 16;

class ComboBoxPeer : public WindowPeer {
 public:
  explicit ComboBoxPeer(ComboBox& combo) : WindowPeer(combo), combo_(combo) {
    DWORD style = WS_TABSTOP | WS_VSCROLL |
                  (combo.style() == ComboBox::Style::DropDown ? CBS_DROPDOWN | CBS_AUTOHSCROLL
                                                              : CBS_DROPDOWNLIST);
    Adopt(CreateChild(L"COMBOBOX", style), false);
    SendMessageW(hwnd(), CB_SETMINVISIBLE, kListItems, 0);
    FillItems();
  }

  void Push(Aspect what) override {
    switch (what) {
      case Aspect::Items:
        FillItems();
        return;
      case Aspect::ItemIndex:
        // Selecting from code sends no change notification, as the model expects.
        SendMessageW(hwnd(), CB_SETCURSEL, combo_.ItemIndex(), 0);
        return;
      case Aspect::Caption:
        return;
      default:
        WindowPeer::Push(what);
    }
  }

  void OnCommand(WORD code) override {
    if (code == CBN_SELCHANGE) {
      combo_.UserSelected(static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)));
    } else if (code == CBN_EDITCHANGE) {
      combo_.UserTyped(WindowText(hwnd()));
    }
  }

  HBRUSH OnCtlColor(HDC dc) override {
    SetTextColor(dc, combo_.GetFont().color);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }

 protected:
  void Place() override {
    Rect b = combo_.Bounds();
    // A combo box's window height is its dropped-down height; the field sizes itself to the font.
    SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height + kListItems * kItemHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  void FillItems() {
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : combo_.Items()) {
      SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    int index = combo_.ItemIndex();
    if (index >= 0) {
      SendMessageW(hwnd(), CB_SETCURSEL, index, 0);
    } else if (combo_.style() == ComboBox::Style::DropDown) {
      SetWindowTextW(hwnd(), combo_.Text().c_str());
    }
  }

  ComboBox& combo_;
};

}  // namespace

std::unique_ptr<Peer> MakeComboBoxPeer(ComboBox& combo) {
  return std::make_unique<ComboBoxPeer>(combo);
}

}  // namespace tk::win32

// The stored port index. The machine-wide key is the home of the setting; a user who may not
// write it (no administrator rights) keeps the choice in the same key under HKEY_CURRENT_USER.
// A successful machine-wide write removes that per-user copy, so whichever was written last is
// the one read back first.
#include "app/unit1.h"

namespace {

const wchar_t kKeyPath[] = L"SOFTWARE\\Orvane\\Kestrune";
const wchar_t kValueName[] = L"ComPortIndex";
// Start-up and closing go on when the setting cannot be stored; the operator learns of it in
// the transfer status, which nothing else writes before the first transfer.
const wchar_t kNotStored[] = L"設定無法儲存";

}  // namespace

void TForm1::LoadPara() {
  Registry.CreateKey(serial::RegRoot::LocalMachine, kKeyPath);
  std::optional<std::uint32_t> stored =
      Registry.ReadDword(serial::RegRoot::CurrentUser, kKeyPath, kValueName);
  if (!stored) stored = Registry.ReadDword(serial::RegRoot::LocalMachine, kKeyPath, kValueName);
  if (!stored) {
    ComboBox1->SetItemIndex(0);
    SavePara();
    return;
  }
  // 0xFFFFFFFF is the stored "no selection"; any index without an item clears the selection.
  ComboBox1->SetItemIndex(static_cast<int>(*stored));
}

void TForm1::SavePara() {
  const auto index = static_cast<std::uint32_t>(ComboBox1->ItemIndex());
  Registry.CreateKey(serial::RegRoot::LocalMachine, kKeyPath);
  if (Registry.WriteDword(serial::RegRoot::LocalMachine, kKeyPath, kValueName, index)) {
    Registry.DeleteValue(serial::RegRoot::CurrentUser, kKeyPath, kValueName);
    return;
  }
  if (!Registry.WriteDword(serial::RegRoot::CurrentUser, kKeyPath, kValueName, index)) {
    Label6->SetCaption(kNotStored);
  }
}

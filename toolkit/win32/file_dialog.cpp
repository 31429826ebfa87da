#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/file_dialog.h"
#include "toolkit/form.h"
#include "toolkit/win32/peers.h"

namespace tk::backend {

namespace {

// Long paths fit.
constexpr size_t kPathRoom = 32768;

// "Text|*.SPD|..." becomes the NUL-separated list the system dialog reads.
std::wstring NativeFilter(const std::wstring& filter) {
  if (filter.empty()) return std::wstring(2, L'\0');
  std::wstring out = filter;
  std::replace(out.begin(), out.end(), L'|', L'\0');
  out.append(2, L'\0');
  return out;
}

}  // namespace

bool RunFileDialog(FileDialog& dialog) {
  std::vector<wchar_t> path(kPathRoom, L'\0');
  const std::wstring& previous = dialog.FileName();
  std::copy_n(previous.begin(), std::min(previous.size(), kPathRoom - 1), path.begin());
  std::wstring filter = NativeFilter(dialog.Filter());

  HWND owner = GetActiveWindow();
  if (!owner) owner = win32::WindowOf(dialog.OwnerForm());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = dialog.Filter().empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(std::max(dialog.FilterIndex(), 0));
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  // No overwrite prompt and no must-exist check: the program asks and checks for itself.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;

  bool chosen = dialog.mode() == FileDialog::Mode::Open ? GetOpenFileNameW(&ofn) != FALSE
                                                        : GetSaveFileNameW(&ofn) != FALSE;
  if (!chosen) return false;
  dialog.SetFilterIndex(static_cast<int>(ofn.nFilterIndex));
  dialog.SetFileName(path.data());
  return true;
}

}  // namespace tk::backend

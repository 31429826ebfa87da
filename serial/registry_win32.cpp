#include <windows.h>

#include "serial/system.h"

namespace serial {

namespace {

HKEY RootKey(RegRoot root) {
  return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Opens with full access, creating the key (non-volatile) when missing.
HKEY CreateOrOpen(RegRoot root, const std::wstring& path) {
  HKEY key = nullptr;
  const LONG result =
      RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return result == ERROR_SUCCESS ? key : nullptr;
}

class Win32Registry : public Registry {
 public:
  bool CreateKey(RegRoot root, const std::wstring& path) override {
    HKEY key = CreateOrOpen(root, path);
    if (!key) return false;
    RegCloseKey(key);
    return true;
  }

  std::optional<std::uint32_t> ReadDword(RegRoot root, const std::wstring& path,
                                         const std::wstring& name) override {
    // Reading needs no write rights, so a standard user still sees the machine-wide value.
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    const LONG result =
        RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(data)) return std::nullopt;
    return data;
  }

  bool WriteDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                  std::uint32_t value) override {
    HKEY key = CreateOrOpen(root, path);
    if (!key) return false;
    const DWORD data = value;
    const LONG result = RegSetValueExW(key, name.c_str(), 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&data), sizeof(data));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
  }

  bool DeleteValue(RegRoot root, const std::wstring& path, const std::wstring& name) override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
      return false;
    }
    const LONG result = RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
  }
};

}  // namespace

std::unique_ptr<Registry> MakeSystemRegistry() {
  return std::make_unique<Win32Registry>();
}

}  // namespace serial

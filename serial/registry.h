// The registry operations the port-selection setting needs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace serial {

enum class RegRoot { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens the key with full access, creating it (non-volatile) when missing.
  virtual bool CreateKey(RegRoot root, const std::wstring& path) = 0;
  // The value when it exists and is a REG_DWORD; nullopt otherwise.
  virtual std::optional<std::uint32_t> ReadDword(RegRoot root, const std::wstring& path,
                                                 const std::wstring& name) = 0;
  // Creates the key when missing and stores a REG_DWORD, replacing a value of any type.
  virtual bool WriteDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                          std::uint32_t value) = 0;
  virtual bool DeleteValue(RegRoot root, const std::wstring& path, const std::wstring& name) = 0;
};

}  // namespace serial

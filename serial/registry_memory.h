// A registry held in memory, for native builds and tests. It keeps value types, so a value of
// another type can stand where a REG_DWORD is expected, and a root can be made unusable.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <variant>

#include "serial/registry.h"

namespace serial {

class MemoryRegistry : public Registry {
 public:
  enum class Access {
    Full,      // keys can be created and values written
    ReadOnly,  // existing values can be read; nothing can be created, written or deleted
    Missing,   // the root cannot be opened at all
  };
  using Value = std::variant<std::uint32_t, std::wstring>;  // REG_DWORD or REG_SZ

  bool CreateKey(RegRoot root, const std::wstring& path) override;
  std::optional<std::uint32_t> ReadDword(RegRoot root, const std::wstring& path,
                                         const std::wstring& name) override;
  bool WriteDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                  std::uint32_t value) override;
  bool DeleteValue(RegRoot root, const std::wstring& path, const std::wstring& name) override;

  void SetAccess(RegRoot root, Access access);
  // Stores a REG_SZ, bypassing the access setting, as another program could have.
  void PutString(RegRoot root, const std::wstring& path, const std::wstring& name,
                 std::wstring text);
  // Stores a REG_DWORD, bypassing the access setting.
  void PutDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                std::uint32_t value);

  bool KeyExists(RegRoot root, const std::wstring& path) const;
  // The stored value of any type.
  std::optional<Value> Get(RegRoot root, const std::wstring& path, const std::wstring& name) const;
  // Successful writes and deletes so far.
  int Changes() const { return changes_; }

 private:
  using KeyId = std::pair<RegRoot, std::wstring>;
  using Values = std::map<std::wstring, Value>;

  Access AccessOf(RegRoot root) const;
  std::map<KeyId, Values> keys_;
  std::map<RegRoot, Access> access_;
  int changes_ = 0;
};

}  // namespace serial
